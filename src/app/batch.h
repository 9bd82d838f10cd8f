#pragma once
// The batch tool: what the editor shows and writes, from a script. Output is UTF-8 with LF line
// ends, paths printed whole; every message the editor shows in a box goes to the error stream.
#include "model/state.h"
#include "platform/messages.h"
#include "reports/report_common.h"

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace mf7 {

struct CampaignGraph;
struct CampaignFlow;

// args without the program name, in the platform's form: the command's words are ASCII, the
// rest may be paths. Returns the exit status, 2 when out could not take the whole output.
int run_batch(const std::vector<NativePath>& args, const NativePath& program_folder,
              std::ostream& out, std::ostream& err);

// Messages go to the error stream; questions get the answer that loses nothing.
class StreamMessages : public Messages {
  public:
    explicit StreamMessages(std::ostream& err) : err_(err) {}
    Answer show(const std::string& text, Buttons buttons, bool information_icon) override;

  private:
    std::ostream& err_;
};

// What a command works with: the state with settings read and the campaign opened, and the
// options that followed the campaign (--ini already taken out).
struct BatchContext {
    EditorState& state;
    Messages& messages;
    std::ostream& out;
    std::ostream& err;
    std::vector<NativePath> options;
};

// Each command returns the exit status; 2 means the usage or a file was wrong.
int batch_show(BatchContext& context);
// list, report, files: write the report the Reports menu writes and print its path.
int batch_list(BatchContext& context);
int batch_report(BatchContext& context);
int batch_files(BatchContext& context);
// check [--save]: print the missing-files check; 0 when the campaign seems playable, 1 when not.
int batch_check(BatchContext& context);

// The date and time in the short formats of the user's locale.
ReportTime locale_report_time();

// The international copy into --to FOLDER; 1 when files named by the campaign were not found.
int batch_copy(BatchContext& context);

// flow [--json]: the paths through the campaign; 0 when it is sound, 1 when not.
int batch_flow(BatchContext& context);
// graph [--format json|dot|svg|png] [--out FILE]: the campaign map.
int batch_graph(BatchContext& context);

// export, import and diff, which need no settings file: the exit status, or nothing when args
// name another command.
std::optional<int> run_text_command(const std::vector<NativePath>& args, std::ostream& out,
                                    std::ostream& err);

// Draws the map as "svg" or "png" bytes; a batch tool built with the windows' drawing sets one.
using MapRenderer = std::function<std::optional<std::string>(
    const CampaignGraph&, const CampaignFlow&, const std::string& format, std::string& error)>;
void set_map_renderer(MapRenderer renderer);

// Writes text (Windows-1252, or UTF-8 when cp1252 is false) to out as UTF-8 with LF line ends.
void print_text(std::ostream& out, const std::string& text, bool cp1252 = true);

} // namespace mf7
