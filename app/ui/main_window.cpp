#include "app/ui/main_window.h"

#include "app/chart_commands.h"
#include "app/chart_drawing.h"
#include "app/help_commands.h"
#include "app/main_window_model.h"
#include "app/report_commands.h"
#include "app/save_commands.h"
#include "app/shell_commands.h"
#include "app/state.h"
#include "app/ui/application.h"
#include "app/ui/help_opener.h"
#include "app/ui/save_print.h"
#include "app/window_registry.h"
#include "aspects/ui/aspect_grid_window.h"
#include "drawing/glyphs.h"
#include "drawing/picture_record.h"
#include "drawing/ui/chart_view_window.h"
#include "drawing/ui/painter_canvas.h"
#include "drawing/ui/picture_widget.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QFont>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QTextEdit>

namespace omvera {
namespace {

void Place(QWidget* w, const Rect& r) {
    // Zero or negative sizes from a very small window are applied as an empty control.
    w->setGeometry(r.left, r.top, std::max(r.width, 0), std::max(r.height, 0));
}

struct HandlerEntry {
    const char* name;
    void (TForm1::*handler)();
};

const HandlerEntry kHandlers[] = {
    {"N40", &TForm1::N40Click}, {"N41", &TForm1::N41Click}, {"N13", &TForm1::N13Click},
    {"N14", &TForm1::N14Click}, {"N22", &TForm1::N22Click}, {"N23", &TForm1::N23Click},
    {"N28", &TForm1::N28Click}, {"N36", &TForm1::N36Click}, {"N37", &TForm1::N37Click},
    {"N38", &TForm1::N38Click}, {"N39", &TForm1::N39Click}, {"N4", &TForm1::N4Click},
    {"N35", &TForm1::N35Click}, {"N11", &TForm1::N11Click}, {"N21", &TForm1::N21Click},
    {"N24", &TForm1::N24Click}, {"N7", &TForm1::N7Click},   {"N8", &TForm1::N8Click},
    {"N9", &TForm1::N9Click},   {"N29", &TForm1::N29Click}, {"N25", &TForm1::N25Click},
    {"N12", &TForm1::N12Click}, {"N42", &TForm1::N42Click}, {"N17", &TForm1::N17Click},
    {"N18", &TForm1::N18Click}, {"N19", &TForm1::N19Click}, {"N26", &TForm1::N26Click},
    {"N27", &TForm1::N27Click}, {"N31", &TForm1::N31Click}, {"N32", &TForm1::N32Click},
    {"N33", &TForm1::N33Click}, {"N30", &TForm1::N30Click}, {"N43", &TForm1::N43Click},
};

bool IsSubmenu(const char* name) {
    for (const auto& item : kMenuTree)
        if (std::string(item.Parent) == name) return true;
    return false;
}

} // namespace

std::vector<std::string> MenuWiringFaults() {
    std::vector<std::string> faults;
    for (const auto& item : kMenuTree) {
        if (IsSubmenu(item.Name)) continue;
        int handlers = 0;
        for (const auto& h : kHandlers) handlers += std::string(h.name) == item.Name;
        if (handlers != 1)
            faults.push_back(std::string(item.Name) + ": " + std::to_string(handlers) +
                             " handlers");
    }
    for (const auto& h : kHandlers) {
        bool found = false;
        for (const auto& item : kMenuTree) found |= std::string(h.name) == item.Name;
        if (!found) faults.push_back(std::string(h.name) + ": no menu item");
    }
    return faults;
}

TForm1::TForm1(Application& app) : QMainWindow(nullptr), app_(app) {
    const WindowInfo& info = WindowByClass("TForm1");
    setObjectName("TForm1");
    setWindowTitle(QString::fromUtf8(info.Caption));
    move(info.Left, info.Top);
    resize(info.Width, info.Height);
    setFont(QFont("MS Sans Serif", 8));

    auto* client = new QWidget(this);
    setCentralWidget(client);
    const MainWindowModel& m = state().Form1;

    Image1 = new PictureWidget(client);
    Image1->setObjectName("Image1");
    image1Canvas_ = std::make_unique<PainterCanvas>(Image1->Bitmap());
    image1Record_ = std::make_unique<PictureRecorder>(*image1Canvas_);
    RunSaveDialog = [this](SaveDialogModel& d) { return ExecSaveDialog(this, d); };
    RunPrintDialog = [this](QPrinter& p) { return ExecPrintDialog(this, p); };

    RichEdit1 = new QTextEdit(client);
    RichEdit1->setObjectName("RichEdit1");
    RichEdit1->setReadOnly(true);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Report paragraphs wrap at the view's width; the lines themselves stay as added.
    RichEdit1->setLineWrapMode(QTextEdit::WidgetWidth);
    QFont courier("Courier");
    courier.setStyleHint(QFont::Monospace);
    courier.setPixelSize(15);
    RichEdit1->setFont(courier);
    RichEdit1->setTextColor(Qt::black);

    Label1 = new QLabel(QStringLiteral("Сканирование"), client);
    Label1->setObjectName("Label1");
    auto button = [client](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, client);
        b->setObjectName(name);
        return b;
    };
    Button2 = button("Button2", QStringLiteral("<"));
    Button3 = button("Button3", QStringLiteral(">"));
    Button4 = button("Button4", QStringLiteral("Интерпретация"));
    Button5 = button("Button5", QStringLiteral("Карта"));
    Button6 = button("Button6", QStringLiteral("Текст"));
    connect(Button2, &QPushButton::clicked, this, [this] { Command(&TForm1::Button2Click); });
    connect(Button3, &QPushButton::clicked, this, [this] { Command(&TForm1::Button3Click); });
    connect(Button4, &QPushButton::clicked, this, [this] { Command(&TForm1::Button4Click); });
    connect(Button5, &QPushButton::clicked, this, [this] { Command(&TForm1::Button5Click); });
    connect(Button6, &QPushButton::clicked, this, [this] { Command(&TForm1::Button6Click); });

    GroupBox1 = new QGroupBox(client);
    GroupBox1->setObjectName("GroupBox1");
    GroupBox1->setAutoFillBackground(true);
    QPalette pal = GroupBox1->palette();
    pal.setColor(QPalette::Window, QColor(0xC8, 0xC8, 0xC8)); // scroll-bar grey
    GroupBox1->setPalette(pal);
    Label2 = new QLabel(QString::fromUtf8(kVersionLabel), GroupBox1);
    Label2->setObjectName("Label2");
    QFont about("Microsoft Sans Serif");
    about.setPixelSize(23);
    about.setBold(true);
    Label2->setFont(about);
    Label2->setStyleSheet("color: #800080;");
    Label2->move(32, 24);
    Label2->adjustSize();
    Place(GroupBox1, m.GroupBox1);

    BuildMenu();
    SyncFromModel();
}

TForm1::~TForm1() = default;

State& TForm1::state() {
    return app_.state();
}

void TForm1::BuildMenu() {
    std::map<std::string, QMenu*> menus;
    for (const auto& item : kMenuTree) {
        const QString caption = QString::fromUtf8(item.Caption);
        const std::string parent = item.Parent;
        QAction* action = nullptr;
        if (IsSubmenu(item.Name)) {
            QMenu* menu =
                parent.empty() ? menuBar()->addMenu(caption) : menus.at(parent)->addMenu(caption);
            menu->setObjectName(item.Name);
            menus[item.Name] = menu;
            action = menu->menuAction();
        } else {
            action = parent.empty() ? menuBar()->addAction(caption)
                                    : menus.at(parent)->addAction(caption);
            for (const auto& h : kHandlers)
                if (std::string(h.name) == item.Name) {
                    auto fn = h.handler;
                    connect(action, &QAction::triggered, this, [this, fn] { Command(fn); });
                }
        }
        action->setObjectName(item.Name);
        if (*item.Shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(item.Shortcut)));
        menuItems_[item.Name] = action;
    }
}

QAction* TForm1::MenuItem(const std::string& name) const {
    auto it = menuItems_.find(name);
    return it == menuItems_.end() ? nullptr : it->second;
}

void TForm1::Command(void (TForm1::*handler)()) {
    app_.RunCommand(this, [this, handler] { (this->*handler)(); });
}

void TForm1::FormCreate() {
    LayoutMainWindow();
    // ProgramFolder is set by the application before the windows are created. Aspect angles
    // are read with the user's decimal separator.
    const QString point = QLocale().decimalPoint();
    state().DecimalSeparator =
        point.size() == 1 && point[0].unicode() < 128 ? static_cast<char>(point[0].unicode()) : '.';
    LoadGlyphs(state());
}

void TForm1::Chart(void (*command)(State&, ChartCanvases&)) {
    ChartCanvases canvases{*image1Record_, app_.Prosm->Canvas(), app_.Aspq->Canvas()};
    command(state(), canvases);
}

void TForm1::LayoutMainWindow() {
    MainWindowModel& m = state().Form1;
    m.Width = width();
    m.Height = height();
    omvera::LayoutMainWindow(m);
    SyncFromModel();
}

void TForm1::SyncFromModel() {
    const MainWindowModel& m = state().Form1;
    Place(Image1, m.Image1);
    Place(RichEdit1, m.RichEdit1);
    Label1->move(m.Label1.left, m.Label1.top);
    Place(Button2, m.Button2);
    Place(Button3, m.Button3);
    Place(Button4, m.Button4);
    Place(Button5, m.Button5);
    Place(Button6, m.Button6);
    Place(GroupBox1, m.GroupBox1);
    Image1->setVisible(m.Image1Visible);
    RichEdit1->setVisible(m.RichEdit1Visible);
    Label1->setVisible(m.ScanVisible);
    Button2->setVisible(m.ScanVisible);
    Button3->setVisible(m.ScanVisible);
    Button4->setVisible(m.Button4Visible);
    Button5->setVisible(m.Button5Visible);
    Button6->setVisible(m.Button6Visible);
    GroupBox1->setVisible(m.GroupBox1Visible);
    if (m.RichEdit1Lines != shownLines_) {
        const bool appended =
            m.RichEdit1Lines.size() > shownLines_.size() &&
            std::equal(shownLines_.begin(), shownLines_.end(), m.RichEdit1Lines.begin()) &&
            !shownLines_.empty();
        if (appended) {
            for (size_t i = shownLines_.size(); i < m.RichEdit1Lines.size(); ++i)
                RichEdit1->append(QString::fromUtf8(m.RichEdit1Lines[i]));
        } else {
            QStringList lines;
            for (const auto& l : m.RichEdit1Lines) lines << QString::fromUtf8(l);
            RichEdit1->setPlainText(lines.join('\n'));
        }
        shownLines_ = m.RichEdit1Lines;
    }
    Image1->update();
}

void TForm1::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    LayoutMainWindow();
}

void TForm1::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    LayoutMainWindow();
}

void TForm1::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) LayoutMainWindow();
}

void TForm1::closeEvent(QCloseEvent* e) {
    QMainWindow::closeEvent(e);
    if (!e->isAccepted()) return;
    // A secondary window left open would keep the program running without its main window.
    for (QWidget* w : app_.Windows())
        if (w != this && w->isVisible()) w->close();
}

// --- menu handlers -----------------------------------------------------------------------

void TForm1::N40Click() {
    Chart(&omvera::N40Click);
}
void TForm1::N41Click() {
    Chart(&omvera::N41Click);
}
void TForm1::N13Click() {
    Chart(&omvera::N13Click);
}
void TForm1::N14Click() {
    Chart(&omvera::N14Click);
}
void TForm1::N22Click() {
    Chart(&omvera::N22Click);
}
void TForm1::N23Click() {
    Chart(&omvera::N23Click);
}
void TForm1::N28Click() {
    Chart(&omvera::N28Click);
}
void TForm1::N36Click() {
    Chart(&omvera::N36Click);
}
void TForm1::N37Click() {
    Chart(&omvera::N37Click);
}
void TForm1::N38Click() {
    Chart(&omvera::N38Click);
}
void TForm1::N39Click() {
    Chart(&omvera::N39Click);
}
void TForm1::N4Click() {
    PrepareSaveDialog(state());
    SyncFromModel();
    SaveDialogModel chosen = state().SaveDialog1;
    const bool accepted = RunSaveDialog(chosen);
    LayoutMainWindow(); // the dialog's close
    if (!accepted) return;
    state().SaveDialog1 = chosen;
    const MainWindowEncoders encoders(Image1->Bitmap(), *image1Canvas_, *image1Record_,
                                      state().Form1.RichEdit1Lines);
    SaveFiles(state(), FilesToSave(state().Form1, chosen.FileName, chosen.FilterIndex), encoders);
}
void TForm1::N35Click() {
    close();
}
void TForm1::N11Click() {
    omvera::N11Click(state());
}
void TForm1::N21Click() {
    Chart(&omvera::N21Click);
}
void TForm1::N24Click() {
    omvera::N24Click(state());
}
void TForm1::N7Click() {
    omvera::N7Click(state());
}
void TForm1::N8Click() {
    omvera::N8Click(state());
}
void TForm1::N9Click() {
    omvera::N9Click(state());
}
void TForm1::N29Click() {
    omvera::N29Click(state());
}
void TForm1::N25Click() {
    Chart(&omvera::N25Click);
}
void TForm1::N12Click() {
    Chart(&omvera::N12Click);
}
void TForm1::N42Click() {
    omvera::N42Click(state(), DesktopPageOpener());
}
void TForm1::N17Click() {
    omvera::N17Click(state());
}
void TForm1::N18Click() {
    omvera::N18Click(state());
}
void TForm1::N19Click() {
    omvera::N19Click(state());
}
void TForm1::N26Click() {
    Chart(&omvera::N26Click);
}
void TForm1::N27Click() {
    Chart(&omvera::N27Click);
}
void TForm1::N31Click() {
    Chart(&omvera::N31Click);
}
void TForm1::N32Click() {
    Chart(&omvera::N32Click);
}
void TForm1::N33Click() {
    Chart(&omvera::N33Click);
}
void TForm1::N30Click() {
    omvera::N30Click(state(), DesktopPageOpener());
}
void TForm1::N43Click() {
    const MainWindowModel& m = state().Form1;
    if (!m.RichEdit1Visible && !m.Image1Visible) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Омвера"));
    if (!RunPrintDialog(printer)) return;
    const MainWindowEncoders encoders(Image1->Bitmap(), *image1Canvas_, *image1Record_,
                                      m.RichEdit1Lines);
    encoders.Print(printer, m.RichEdit1Visible, m.Image1Visible);
}

void TForm1::Button2Click() {
    Chart(&omvera::Button2Click);
}
void TForm1::Button3Click() {
    Chart(&omvera::Button3Click);
}
void TForm1::Button4Click() {
    Chart([](State& s, ChartCanvases& c) { omvera::Button4Click(s, c); });
}
void TForm1::Button5Click() {
    Chart(&omvera::Button5Click);
}
void TForm1::Button6Click() {
    Chart(&omvera::Button6Click);
}

} // namespace omvera
