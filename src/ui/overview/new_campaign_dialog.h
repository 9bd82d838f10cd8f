#pragma once
// The new-campaign dialog: the user names the campaign file; OK empties the record for a new
// campaign, which gets its file through Save as. Nothing is written here.
// Its object names ("Dialog", "Text1", "Command1" ...) are the editor's documented control names:
// stable handles for tests and automation.
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace mf7 {

struct EditorState;
class Messages;

class NewCampaignDialog : public QDialog {
    Q_OBJECT
  public:
    NewCampaignDialog(EditorState& state, Messages& messages, QWidget* parent = nullptr);

    // Caption, focus in Text1 (which keeps the last name typed), OK disabled until a change.
    void prepare();

  signals:
    // OK with a name: the overview makes the new campaign.
    void created();
    // OK or Cancel: return to the overview.
    void finished_dialog();

  public slots:
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void text_changed();
    void ok_clicked();
    void cancel_clicked();

    EditorState& state_;
    Messages& messages_;
    QLineEdit* text1_ = nullptr;
    QPushButton *ok_ = nullptr, *cancel_ = nullptr;
};

} // namespace mf7
