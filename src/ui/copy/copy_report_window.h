#pragma once
// The report of an international copy.
// Its object names ("Form12", "Text1", "Command1" ...) are the editor's documented control names:
// stable handles for tests and automation.
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace mf7 {

class CopyReportWindow : public QWidget {
    Q_OBJECT
  public:
    explicit CopyReportWindow(QWidget* parent = nullptr);

    // Shows the report (lines separated by CR LF) under the label that says where it was saved.
    void show_report(const QString& label, const QString& report);

  signals:
    // The user is done with the report: the overview comes back.
    void done();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QLabel* saved_as_;
    QPlainTextEdit* report_text_;
    QPushButton* ok_button_;
};

} // namespace mf7
