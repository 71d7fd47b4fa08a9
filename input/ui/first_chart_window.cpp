#include "input/ui/first_chart_window.h"

#include "app/person_database_commands.h"
#include "app/state.h"
#include "base/data_path.h"
#include "input/ui/chart_fields_panel.h"
#include "input/ui/local_time_dialog.h"

#include <QLabel>
#include <QPushButton>

namespace omvera {

TID1::TID1(Application& app) : FormWindow(app, "TID1") {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    setPalette(pal);
    Fields = new ChartFieldsPanel(state().ID1, this);

    Label6 = new QLabel(QStringLiteral("Время по Гринвичу"), this);
    Label6->setObjectName("Label6");
    Label6->setStyleSheet("color: #800080; font-weight: bold;");
    Label6->move(250, 52);

    Button1 = new QPushButton(QStringLiteral("На Сейчас"), this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(16, 250, 110, 27);

    Label10 = new QLabel(QStringLiteral("База данных"), this);
    Label10->setObjectName("Label10");
    QFont f("Courier New");
    f.setPixelSize(22);
    f.setBold(true);
    f.setItalic(true);
    Label10->setFont(f);
    Label10->setStyleSheet("color: #FF0000;");
    Label10->move(200, 236);
    Button2 = new QPushButton(QStringLiteral("Открыть"), this);
    Button2->setObjectName("Button2");
    Button2->setGeometry(200, 276, 90, 27);
    Button3 = new QPushButton(QStringLiteral("Сохранить"), this);
    Button3->setObjectName("Button3");
    Button3->setGeometry(306, 276, 90, 27);

    Button4 = new QPushButton(QStringLiteral("Местное время..."), this);
    Button4->setObjectName("Button4");
    Button4->setGeometry(16, 284, 130, 27);

    connect(Button4, &QPushButton::clicked, this, [this] { Command([this] { Button4Click(); }); });
    connect(Button1, &QPushButton::clicked, this, [this] { Command([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { Command([this] { Button2Click(); }); });
    connect(Button3, &QPushButton::clicked, this, [this] { Command([this] { Button3Click(); }); });
}

bool* TID1::VisibleFlag() {
    return &state().ID1.Visible;
}

void TID1::SyncFromModel() {
    Fields->SyncFromModel();
    SyncVisibility();
}

void TID1::Button1Click() {
    SetFormToNow(state().ID1, CurrentLocalTime(), "Сейчас ");
}

void TID1::Button2Click() {
    OpenPersonDatabase(state());
}

void TID1::Button3Click() {
    AppendPersonFromFirstChart(state());
}

void TID1::Button4Click() {
    auto* d = new LocalTimeDialog(state().ID1, DataPath(state().ProgramFolder, "\\Dann\\Atlas.TXT"),
                                  this);
    d->setAttribute(Qt::WA_DeleteOnClose);
    connect(d, &LocalTimeDialog::Filled, this, [this] { Command([] {}); });
    d->open();
}

} // namespace omvera
