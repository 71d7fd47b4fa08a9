#include "input/ui/person_database_window.h"

#include "app/person_database_commands.h"
#include "app/state.h"

#include <QButtonGroup>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace omvera {

TBase::TBase(Application& app) : FormWindow(app, "TBase") {
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setGeometry(6, 8, 369, 369);
    Button1 = new QPushButton(QStringLiteral("Удалить запись"), this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(8, 388, 130, 27);
    Button3 = new QPushButton(QStringLiteral("Сохранить изменения"), this);
    Button3->setObjectName("Button3");
    Button3->setGeometry(200, 388, 170, 27);
    auto* label = new QLabel(QStringLiteral("Вставлять "), this);
    label->move(8, 430);
    RadioButton1 = new QRadioButton(QStringLiteral("в 1-ю карту"), this);
    RadioButton1->setObjectName("RadioButton1");
    RadioButton1->move(90, 428);
    RadioButton2 = new QRadioButton(QStringLiteral("во 2-ю карту"), this);
    RadioButton2->setObjectName("RadioButton2");
    RadioButton2->move(220, 428);
    auto* group = new QButtonGroup(this);
    group->addButton(RadioButton1);
    group->addButton(RadioButton2);
    RadioButton1->setChecked(true);

    connect(ListBox1, &QListWidget::currentRowChanged, this,
            [this](int row) { state().Base.ListBox1Index = row; });
    connect(RadioButton1, &QRadioButton::toggled, this, [this](bool on) {
        state().Base.RadioButton1 = on;
        state().Base.RadioButton2 = !on;
    });
    connect(Button1, &QPushButton::clicked, this, [this] { Command([this] { Button1Click(); }); });
    connect(Button3, &QPushButton::clicked, this, [this] { Command([this] { Button3Click(); }); });
    connect(ListBox1, &QListWidget::itemDoubleClicked, this,
            [this] { Command([this] { ListBox1DblClick(); }); });
}

bool* TBase::VisibleFlag() {
    return &state().Base.Visible;
}

void TBase::SyncFromModel() {
    const auto& b = state().Base;
    if (b.ListBox1 != shown_) {
        QSignalBlocker block(ListBox1);
        ListBox1->clear();
        for (const auto& line : b.ListBox1) ListBox1->addItem(QString::fromUtf8(line));
        shown_ = b.ListBox1;
    }
    if (ListBox1->currentRow() != b.ListBox1Index) {
        QSignalBlocker block(ListBox1);
        ListBox1->setCurrentRow(b.ListBox1Index);
    }
    if (RadioButton1->isChecked() != b.RadioButton1) {
        RadioButton1->setChecked(b.RadioButton1);
        RadioButton2->setChecked(!b.RadioButton1);
    }
    SyncVisibility();
}

void TBase::Button1Click() {
    DeleteSelectedPerson(state());
}

void TBase::Button3Click() {
    SavePersonDatabase(state());
}

void TBase::ListBox1DblClick() {
    LoadSelectedPerson(state());
}

} // namespace omvera
