#pragma once
// The scenarios-in-campaign list beside the scenario editor: number, file name and start date of
// every scenario, for looking up the numbers the goto fields take.
// Its object names ("Form8", "Text1", "Command1" ...) are the editor's documented control names:
// stable handles for tests and automation.
#include "model/overview.h"

#include <QWidget>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace mf7 {

struct EditorState;
class Messages;

class ScenarioListWindow : public QWidget {
    Q_OBJECT
  public:
    ScenarioListWindow(EditorState& state, Messages& messages, QWidget* parent = nullptr);

    // Empties the list and fills it from the overview's rows (after accept, cancel, insert and
    // delete), whether or not the window is visible.
    void rebuild(const std::vector<OverviewRow>& overview_rows);
    // Writes the rows over the lines the list holds, adding lines where it has fewer.
    void fill_more(const std::vector<OverviewRow>& overview_rows);
    // "Show scenarios in campaign": fill_more, then show and raise the window.
    void show_list(const std::vector<OverviewRow>& overview_rows);

    // "Close": hides the window and empties the list (New, Open, Save as and Clear do so too).
    void close_list();

    QStringList lines() const;

  private:
    QListWidget* scenario_list_ = nullptr;
    QPushButton* close_button_ = nullptr;
};

} // namespace mf7
