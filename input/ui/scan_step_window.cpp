#include "input/ui/scan_step_window.h"

#include "app/state.h"
#include "app/ui/radio_group.h"
#include "input/settings_forms.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace omvera {
namespace {

constexpr std::array<const char*, 5> kCaptions = {"", "7 суток", "1 сутки", "1 час", "10 минут"};

} // namespace

THsk::THsk(Application& app) : FormWindow(app, "THsk") {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    setPalette(pal);

    group_ = new QButtonGroup(this);
    ScanStepForm& m = state().Hsk;
    for (int i = 1; i <= 4; ++i) {
        auto* b = new QRadioButton(QString::fromUtf8(kCaptions[i]), this);
        b->setObjectName(QStringLiteral("RadioButton%1").arg(i));
        b->setGeometry(16, 12 + (i - 1) * 30, 90, 22);
        group_->addButton(b, i);
        RadioButton[i] = b;
        connect(b, &QRadioButton::toggled, this, [&m, i](bool on) {
            if (!on) return;
            for (int j = 1; j <= 4; ++j) m.RadioButton[j] = (j == i);
        });
    }
    SyncFromModel();
}

bool* THsk::VisibleFlag() {
    return &state().Hsk.Visible;
}

void THsk::SyncFromModel() {
    const ScanStepForm& m = state().Hsk;
    SyncRadioButtons(*group_, RadioButton, m.RadioButton, 1, 4);
    SyncVisibility();
}

} // namespace omvera
