#pragma once
// TForm1, the main window: the menu, the chart picture Image1, the text view RichEdit1, the
// scan controls, the interpretation and picture/text buttons and the about panel.
#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPrinter;
class QPushButton;
class QTextEdit;

namespace omvera {

class Application;
class PainterCanvas;
class PictureRecorder;
class PictureWidget;
struct ChartCanvases;
struct SaveDialogModel;
struct State;

// Menu items without exactly one handler and handlers without a menu item (none, when the
// menu table and the handler table agree).
std::vector<std::string> MenuWiringFaults();

class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    explicit TForm1(Application& app);
    ~TForm1() override;

    // Start-up: layout, ProgramFolder (set by the application), glyphs.
    void FormCreate();
    // Brings the widgets in line with state.Form1.
    void SyncFromModel();
    // Re-reads the window's size into the model and lays it out.
    void LayoutMainWindow();

    PictureWidget* Image1 = nullptr;
    // The canvas of Image1: draws into the picture's bitmap at the size of Image1.
    PainterCanvas& Image1Canvas() { return *image1Canvas_; }
    QTextEdit* RichEdit1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button5 = nullptr;
    QPushButton* Button6 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label2 = nullptr;

    // Menu items by name ("N1".."N42").
    QAction* MenuItem(const std::string& name) const;

    // Menu handlers, named after their items.
    void N40Click();
    void N41Click();
    void N13Click();
    void N14Click();
    void N22Click();
    void N23Click();
    void N28Click();
    void N36Click();
    void N37Click();
    void N38Click();
    void N39Click();
    void N4Click();
    void N35Click();
    void N11Click();
    void N21Click();
    void N24Click();
    void N7Click();
    void N8Click();
    void N9Click();
    void N29Click();
    void N25Click();
    void N12Click();
    void N42Click();
    void N17Click();
    void N18Click();
    void N19Click();
    void N26Click();
    void N27Click();
    void N31Click();
    void N32Click();
    void N33Click();
    void N30Click();
    // "Печать": the text and/or the picture through the print dialog.
    void N43Click();
    // Buttons.
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();

    // Runs a chart command of the core on the picture and the view and grid windows (inside
    // the caller's command boundary).
    void Chart(void (*command)(State&, ChartCanvases&));

    // The modal dialogs of "Сохранить как..." and "Печать" (tests answer them instead).
    std::function<bool(SaveDialogModel&)> RunSaveDialog;
    std::function<bool(QPrinter&)> RunPrintDialog;

  protected:
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    // Closing the main window ends the program: the other windows close with it.
    void closeEvent(QCloseEvent* e) override;

  private:
    State& state();
    void Command(void (TForm1::*handler)());
    void BuildMenu();

    Application& app_;
    std::map<std::string, QAction*> menuItems_;
    std::vector<std::string> shownLines_;
    std::unique_ptr<PainterCanvas> image1Canvas_;
    // The chart commands draw through it, so the picture can be saved and printed as vectors.
    std::unique_ptr<PictureRecorder> image1Record_;
};

} // namespace omvera
