#include "input/ui/house_system_window.h"

#include "app/state.h"
#include "app/ui/radio_group.h"
#include "input/settings_forms.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace omvera {
namespace {

// The radio buttons from the top of the window down: Placidus, Koch, then the equal
// systems from the MC, the Ascendant, the Sun and the Moon.
constexpr std::array<int, 6> kScreenOrder = {3, 4, 1, 2, 5, 6};

} // namespace

TDOM::TDOM(Application& app) : FormWindow(app, "TDOM") {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    setPalette(pal);

    group_ = new QButtonGroup(this);
    HouseSystemForm& m = state().Dom;
    for (size_t row = 0; row < kScreenOrder.size(); ++row) {
        const int i = kScreenOrder[row];
        auto* b = new QRadioButton(QString::fromUtf8(kHouseSystemChoices[i].caption), this);
        b->setObjectName(QStringLiteral("RadioButton%1").arg(i));
        b->setGeometry(16, 8 + static_cast<int>(row) * 24, 220, 22);
        group_->addButton(b, i);
        RadioButton[i] = b;
        connect(b, &QRadioButton::toggled, this, [&m, i](bool on) {
            if (on) ChooseHouseSystem(m, kHouseSystemChoices[i].letter);
        });
    }
    SyncFromModel();
}

bool* TDOM::VisibleFlag() {
    return &state().Dom.Visible;
}

void TDOM::SyncFromModel() {
    const HouseSystemForm& m = state().Dom;
    SyncRadioButtons(*group_, RadioButton, m.RadioButton, 1, 6);
    SyncVisibility();
}

} // namespace omvera
