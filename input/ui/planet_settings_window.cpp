#include "input/ui/planet_settings_window.h"

#include "app/state.h"
#include "input/settings_forms.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace omvera {
namespace {

// The check box captions of rows 1..17 (index 0 unused).
constexpr std::array<const char*, 18> kRowCaptions = {
    "",       "Солнце", "Луна",  "Меркурий",   "Венера",      "Марс",   "Юпитер", "Сатурн", "Уран",
    "Нептун", "Плутон", "Хирон", "Прозерпина", "Раху и Кету", "Селена", "Лилит",  "Asc",    "Mc",
};

// Rows 1..9 fill the left column, rows 10..17 the right one.
constexpr int kRowsInLeftColumn = 9;
constexpr int kTop = 34;
constexpr int kRowStep = 26;
constexpr int kColumnLeft[2] = {12, 168};
constexpr int kOrbOffset = 102; // orb field's left edge from its check box's
constexpr int kPresetLeft = 326;

} // namespace

TPlanUst::TPlanUst(Application& app) : FormWindow(app, "TPlanUst") {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    setPalette(pal);

    Button3 = new QPushButton(this);
    Button3->setObjectName("Button3");
    Button3->setGeometry(0, 0, 17, 17);
    Button3->setToolTip(QStringLiteral("Включить все / выключить все"));

    Label1 = new QLabel(QStringLiteral("Орбисы"), this);
    Label1->setObjectName("Label1");
    Label1->move(kColumnLeft[0] + kOrbOffset, 12);
    Label2 = new QLabel(QStringLiteral("Орбисы"), this);
    Label2->setObjectName("Label2");
    Label2->move(kColumnLeft[1] + kOrbOffset, 12);

    PlanetSettingsForm& m = state().PlanUst;
    for (int i = 1; i <= 17; ++i) {
        const int column = i <= kRowsInLeftColumn ? 0 : 1;
        const int row = column == 0 ? i - 1 : i - 1 - kRowsInLeftColumn;
        const int y = kTop + row * kRowStep;
        auto* box = new QCheckBox(QString::fromUtf8(kRowCaptions[i]), this);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(i));
        box->setGeometry(kColumnLeft[column], y, kOrbOffset - 4, 22);
        connect(box, &QCheckBox::toggled, this, [&m, i](bool on) { m.CheckBox[i] = on; });
        CheckBox[i] = box;
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Edit%1").arg(i));
        edit->setGeometry(kColumnLeft[column] + kOrbOffset, y, 44, 22);
        connect(edit, &QLineEdit::textEdited, this,
                [&m, i](const QString& t) { m.Edit[i] = t.toStdString(); });
        Edit[i] = edit;
    }

    auto preset = [this](const char* name, const char* caption, int row) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(name);
        b->setGeometry(kPresetLeft, kTop + row * 2 * kRowStep, 80, 27);
        return b;
    };
    Button1 = preset("Button1", "Радикс", 0);
    QFont bold = Button1->font();
    bold.setBold(true);
    Button1->setFont(bold);
    QPalette maroon = Button1->palette();
    maroon.setColor(QPalette::ButtonText, QColor(0x80, 0x00, 0x00));
    Button1->setPalette(maroon);
    Button2 = preset("Button2", "Транзит", 1);
    Button4 = preset("Button4", "Дирекции", 2);
    Button5 = preset("Button5", "Синастрия", 3);

    connect(Button1, &QPushButton::clicked, this, [this] { Command([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { Command([this] { Button2Click(); }); });
    connect(Button3, &QPushButton::clicked, this, [this] { Command([this] { Button3Click(); }); });
    connect(Button4, &QPushButton::clicked, this, [this] { Command([this] { Button4Click(); }); });
    connect(Button5, &QPushButton::clicked, this, [this] { Command([this] { Button5Click(); }); });
    SyncFromModel();
}

bool* TPlanUst::VisibleFlag() {
    return &state().PlanUst.Visible;
}

void TPlanUst::Button1Click() {
    PlanUstButton1Click(state().PlanUst);
}
void TPlanUst::Button2Click() {
    PlanUstButton2Click(state().PlanUst);
}
void TPlanUst::Button3Click() {
    PlanUstButton3Click(state().PlanUst);
}
void TPlanUst::Button4Click() {
    PlanUstButton4Click(state().PlanUst);
}
void TPlanUst::Button5Click() {
    PlanUstButton5Click(state().PlanUst);
}
void TPlanUst::FormActivate() {
    omvera::FormActivate(state().PlanUst);
}

void TPlanUst::changeEvent(QEvent* e) {
    FormWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TPlanUst::SyncFromModel() {
    const PlanetSettingsForm& m = state().PlanUst;
    for (int i = 1; i <= 17; ++i) {
        if (CheckBox[i]->isChecked() != m.CheckBox[i]) {
            const QSignalBlocker block(CheckBox[i]);
            CheckBox[i]->setChecked(m.CheckBox[i]);
        }
        const QString orb = QString::fromUtf8(m.Edit[i]);
        if (Edit[i]->text() != orb) Edit[i]->setText(orb);
    }
    SyncVisibility();
}

} // namespace omvera
