#include "input/ui/second_chart_window.h"

#include "app/chart_commands.h"
#include "app/state.h"
#include "app/ui/application.h"
#include "app/ui/main_window.h"
#include "base/data_path.h"
#include "input/ui/chart_fields_panel.h"
#include "input/ui/local_time_dialog.h"
#include "input/ui/spin_edit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace omvera {
namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, QRect r) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(name);
    b->setGeometry(r);
    return b;
}

void SetLabel(QLabel* l, const std::string& text) {
    const QString t = QString::fromUtf8(text);
    if (l->text() != t) {
        l->setText(t);
        l->adjustSize();
    }
}

} // namespace

TID2::TID2(Application& app) : FormWindow(app, "TID2") {
    const SecondChartForm& m = state().ID2;
    Fields = new ChartFieldsPanel(state().ID2, this);
    // The second form keeps its time fields in a column of their own under the heading.
    Fields->Label5->move(250, 146);
    Fields->SpinEdit3->move(316, 142);
    Fields->Label7->move(250, 176);
    Fields->SpinEdit4->move(316, 172);
    Fields->Label8->move(16, m.Label9Top);
    Fields->Edit2->move(96, m.Label9Top - 4);
    Fields->Label11->move(96, m.Label9Top + 20);
    Fields->Label9->move(230, m.Label9Top);
    Fields->Edit3->move(296, m.Label9Top - 4);
    Fields->Label12->move(296, m.Label9Top + 20);
    Fields->RadioButton1->move(16, 244);
    Fields->RadioButton2->move(120, 244);

    Label6 = new QLabel(this);
    Label6->setObjectName("Label6");
    Label6->setStyleSheet("color: #800080; font-weight: bold;");
    Label10 = new QLabel(QStringLiteral("Выбери год и месяц Лунара"), this);
    Label10->setObjectName("Label10");
    Label10->move(16, 146);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setGeometry(250, 46, 190, 100);
    QFont mono("Courier");
    mono.setStyleHint(QFont::Monospace);
    ListBox1->setFont(mono);

    Button1 = MakeButton(this, "Button1", "Добавить в карту", QRect(16, 272, 130, 27));
    Button2 = MakeButton(this, "Button2", "На сейчас", QRect(160, 272, 100, 27));
    Button3 = MakeButton(this, "Button3", "Расчет Cоляра", QRect(16, 272, 130, 27));
    Button4 = MakeButton(this, "Button4", "Расчет Лунара", QRect(300, 272, 130, 27));
    Button5 = MakeButton(this, "Button5", "Местное время...", QRect(300, 242, 130, 25));

    connect(Button1, &QPushButton::clicked, this, [this] { Command([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { Command([this] { Button2Click(); }); });
    connect(Button3, &QPushButton::clicked, this, [this] { Command([this] { Button3Click(); }); });
    connect(Button4, &QPushButton::clicked, this, [this] { Command([this] { Button4Click(); }); });
    connect(Button5, &QPushButton::clicked, this, [this] { Command([this] { Button5Click(); }); });
    connect(ListBox1, &QListWidget::currentRowChanged, this,
            [this](int row) { state().ID2.ListBox1Index = row; });
    connect(ListBox1, &QListWidget::itemDoubleClicked, this,
            [this] { Command([this] { ListBox1DblClick(); }); });
    SyncFromModel();
}

bool* TID2::VisibleFlag() {
    return &state().ID2.Visible;
}

void TID2::SyncFromModel() {
    const SecondChartForm& m = state().ID2;
    Fields->SyncFromModel();
    SetLabel(Fields->Label3, m.Label3);
    SetLabel(Fields->Label4, m.Label4);
    SetLabel(Fields->Label5, m.Label5);
    SetLabel(Fields->Label7, m.Label7);
    SetLabel(Label6, m.Label6);
    // The heading stands over the time column, or, moved down by the return arrangements,
    // over the latitude and longitude row.
    Label6->move(m.Label6Top >= 150 ? 96 : 250, m.Label6Top);
    Fields->ComboBox1->setVisible(m.ComboBox1Visible);
    Fields->SpinEdit2->setVisible(m.SpinEdit2Visible);
    Fields->SpinEdit3->setVisible(m.SpinEdit3Visible);
    Fields->SpinEdit4->setVisible(m.SpinEdit4Visible);
    Button1->setVisible(m.Button1Visible);
    Button2->setVisible(m.Button2Visible);
    Button5->setVisible(m.Button2Visible);
    Button3->setVisible(m.Button3Visible);
    Button4->setVisible(m.Button4Visible);
    Label10->setVisible(m.Label10Visible);
    ListBox1->setVisible(m.ListBox1Visible);
    if (m.ListBox1 != shownList_) {
        QSignalBlocker block(ListBox1);
        ListBox1->clear();
        for (const auto& l : m.ListBox1) ListBox1->addItem(QString::fromUtf8(l));
        shownList_ = m.ListBox1;
    }
    if (ListBox1->currentRow() != m.ListBox1Index) {
        QSignalBlocker block(ListBox1);
        ListBox1->setCurrentRow(m.ListBox1Index);
    }
    SyncVisibility();
}

void TID2::Button2Click() {
    SetFormToNow(state().ID2, CurrentLocalTime(), "Сейчас  ");
}

void TID2::Button1Click() {
    app().Form1->Chart(&SecondChartAddToChart);
}

void TID2::Button3Click() {
    app().Form1->Chart(&SecondChartSolarReturn);
}

void TID2::Button4Click() {
    app().Form1->Chart(&SecondChartLunarReturn);
}

void TID2::Button5Click() {
    auto* d = new LocalTimeDialog(state().ID2, DataPath(state().ProgramFolder, "\\Dann\\Atlas.TXT"),
                                  this);
    d->setAttribute(Qt::WA_DeleteOnClose);
    connect(d, &LocalTimeDialog::Filled, this, [this] { Command([] {}); });
    d->open();
}

void TID2::ListBox1DblClick() {
    app().Form1->Chart(&SecondChartLunarListDblClick);
}

} // namespace omvera
