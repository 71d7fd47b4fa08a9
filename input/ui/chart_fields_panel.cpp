#include "input/ui/chart_fields_panel.h"

#include "app/ui/radio_group.h"
#include "input/chart_form.h"
#include "input/ui/spin_edit.h"

#include <array>

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace omvera {
namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text, int x, int y) {
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->setObjectName(name);
    l->move(x, y);
    return l;
}

void SetEditText(QLineEdit* e, const std::string& text) {
    const QString t = QString::fromUtf8(text);
    if (e->text() != t) e->setText(t);
}

} // namespace

ChartFieldsPanel::ChartFieldsPanel(ChartForm& form, QWidget* parent)
    : QObject(parent), form_(form) {
    Label1 = MakeLabel(parent, "Label1", "Имя     ", 16, 16);
    Edit1 = new QLineEdit(parent);
    Edit1->setObjectName("Edit1");
    Edit1->setGeometry(96, 12, 300, 22);
    Edit1->setMaxLength(static_cast<int>(kNameMaxLength));
    connect(Edit1, &QLineEdit::textEdited, this,
            [this](const QString& t) { form_.Edit1 = t.toStdString(); });

    Label2 = MakeLabel(parent, "Label2", "Год", 16, 50);
    SpinEdit1 = new SpinEdit(form.SpinEdit1, parent);
    SpinEdit1->setObjectName("SpinEdit1");
    SpinEdit1->setGeometry(96, 46, 80, 22);

    Label3 = MakeLabel(parent, "Label3", "Месяц", 16, 84);
    ComboBox1 = new QComboBox(parent);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setGeometry(96, 80, 130, 22);
    for (const char* m : kMonthNames) ComboBox1->addItem(QString::fromUtf8(m));
    ComboBox1->setPlaceholderText(QString::fromUtf8(kMonthPrompt));
    ComboBox1->setCurrentIndex(-1);
    connect(ComboBox1, &QComboBox::activated, this, [this](int i) { form_.SetMonthIndex(i); });

    Label4 = MakeLabel(parent, "Label4", "День   ", 16, 118);
    SpinEdit2 = new SpinEdit(form.SpinEdit2, parent);
    SpinEdit2->setObjectName("SpinEdit2");
    SpinEdit2->setGeometry(96, 114, 60, 22);

    Label5 = MakeLabel(parent, "Label5", "Час", 250, 84);
    SpinEdit3 = new SpinEdit(form.SpinEdit3, parent);
    SpinEdit3->setObjectName("SpinEdit3");
    SpinEdit3->setGeometry(316, 80, 60, 22);
    Label7 = MakeLabel(parent, "Label7", "Минуты", 250, 118);
    SpinEdit4 = new SpinEdit(form.SpinEdit4, parent);
    SpinEdit4->setObjectName("SpinEdit4");
    SpinEdit4->setGeometry(316, 114, 60, 22);

    Label8 = MakeLabel(parent, "Label8", "Широта", 16, 160);
    Edit2 = new QLineEdit(parent);
    Edit2->setObjectName("Edit2");
    Edit2->setGeometry(96, 156, 80, 22);
    Label11 = MakeLabel(parent, "Label11", "Градус.Мин", 96, 180);
    Label9 = MakeLabel(parent, "Label9", "Долгота", 230, 160);
    Edit3 = new QLineEdit(parent);
    Edit3->setObjectName("Edit3");
    Edit3->setGeometry(296, 156, 80, 22);
    Edit2->setMaxLength(static_cast<int>(kCoordinateMaxLength));
    Edit3->setMaxLength(static_cast<int>(kCoordinateMaxLength));
    Label12 = MakeLabel(parent, "Label12", "Градус.Мин", 296, 180);
    connect(Edit2, &QLineEdit::textEdited, this,
            [this](const QString& t) { form_.Edit2 = t.toStdString(); });
    connect(Edit3, &QLineEdit::textEdited, this,
            [this](const QString& t) { form_.Edit3 = t.toStdString(); });

    RadioButton1 = new QRadioButton(QStringLiteral("Мужчина"), parent);
    RadioButton1->setObjectName("RadioButton1");
    RadioButton1->move(16, 206);
    RadioButton2 = new QRadioButton(QStringLiteral("Женщина"), parent);
    RadioButton2->setObjectName("RadioButton2");
    RadioButton2->move(120, 206);
    sex_ = new QButtonGroup(this);
    sex_->addButton(RadioButton1);
    sex_->addButton(RadioButton2);
    connect(RadioButton1, &QRadioButton::toggled, this, [this](bool on) {
        if (on) form_.SetMan(true);
    });
    connect(RadioButton2, &QRadioButton::toggled, this, [this](bool on) {
        if (on) form_.SetMan(false);
    });
    SyncFromModel();
}

void ChartFieldsPanel::SyncFromModel() {
    SetEditText(Edit1, form_.Edit1);
    SetEditText(Edit2, form_.Edit2);
    SetEditText(Edit3, form_.Edit3);
    SpinEdit1->SyncFromModel();
    SpinEdit2->SyncFromModel();
    SpinEdit3->SyncFromModel();
    SpinEdit4->SyncFromModel();
    if (ComboBox1->currentIndex() != form_.ComboBox1) ComboBox1->setCurrentIndex(form_.ComboBox1);
    const std::array<QRadioButton*, 2> sexButtons{RadioButton1, RadioButton2};
    const std::array<bool, 2> sexChecked{form_.RadioButton1, form_.RadioButton2};
    SyncRadioButtons(*sex_, sexButtons, sexChecked, 0, 1);
}

} // namespace omvera
