#pragma once
// The reports window Form5: shows the analysis workbook one report at a time on the workbook's
// control, which it takes into its layout for as long as it lives. Its handlers forward to the
// ReportBrowser and then show the browser's state; the widgets' own change signals are blocked
// meanwhile, since the browser runs the nested change handlers itself. Done only hides it.

#include <QPointer>
#include <QPrinter>
#include <memory>

#include "platform/designed_dialog.h"
#include "platform/menu_design.h"
#include "reports/report_browser.h"

class QMenuBar;

namespace pellavan::platform {
class HelpSystem;
}

namespace pellavan::reports {

[[nodiscard]] const platform::WindowDesign& reports_window_design();

class ReportsWindow : public platform::DesignedDialog {
  Q_OBJECT

 public:
  // The control, the model, the figures the last fill could not settle on and those it kept out
  // of the analysis outlive the window; the help and the figures may be null.
  ReportsWindow(sheet::view::SpreadsheetControl& control, model::ModelState& model,
                platform::HelpSystem* help, QWidget* parent = nullptr,
                const std::vector<workbook::FigureSpan>* unsettled = nullptr,
                const std::vector<model::StoredFigure>* refused = nullptr);
  ~ReportsWindow() override;

  void Form_Load();
  void Form_Activate() override;
  void Form_Resize();
  void HScrollViewer_Change();
  void HscrZoom_Change();
  void HscrZoom_Scroll(int value);
  void CommandZoomAll_Click();
  void Command1_Click();   // "&Print Screen"
  void Command11_Click();  // "Print &Options"
  void Command13_Click();  // the panel's "&Done"
  void Command12_Click();  // "&Print Reports"
  void Command2_Click();   // "Done"
  void cmdHelp_Click();
  void box_Click(platform::ControlEvent& event);
  void optColor_Click();
  void optBlackWhite_Click();
  void menu_Click(int index);

  [[nodiscard]] ReportBrowser& browser() { return browser_; }
  [[nodiscard]] QPrinter& printer() { return *printer_; }
  [[nodiscard]] const platform::DesignedMenus& menus() const { return *menus_; }
  // The printer dialog both prints ask; tests and tools put their own answer here.
  void set_printer_prompt(PrinterPrompt prompt) { prompt_ = std::move(prompt); }

 private:
  // F1Book1_LostFocus: the focus left the sheet for another control of the window.
  void focus_changed(QWidget* old, QWidget* now);
  void show_state();
  void show_options();
  void report_failure(const PrintOutcome& outcome);

  sheet::view::SpreadsheetControl& control_;
  QPointer<sheet::view::SpreadsheetControl> held_;  // gone when the analysis went first
  platform::HelpSystem* help_;
  ReportBrowser browser_;
  QMenuBar* menu_bar_;
  std::unique_ptr<platform::DesignedMenus> menus_;
  std::unique_ptr<QPrinter> printer_;
  PrinterPrompt prompt_;
  QMetaObject::Connection focus_watch_;
};

}  // namespace pellavan::reports
