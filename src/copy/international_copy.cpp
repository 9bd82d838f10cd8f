#include "copy/international_copy.h"

#include "model/campaign.h"
#include "model/scenario_file.h"
#include "model/state.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/text.h"

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <unordered_map>
#include <vector>

namespace mf7 {

namespace {

constexpr const char* kNotFound = "FILE NOT FOUND";
constexpr const char* kSameFile = "same file, not copied";
constexpr const char* kFailed = "COPY FAILED";
constexpr const char* kNotAllowed = "name not allowed, not copied";

// A name the campaign supplies may only name a file directly in the target folder: with a
// separator, a drive or a step up it would write over files elsewhere, even the game's own.
bool name_allowed(const std::string& name) {
    std::string n = trim(name);
    return n != "." && n != ".." && n.find_first_of("/\\:") == std::string::npos;
}

bool is_file(const NativePath& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(to_native(path), ec);
}

// The source file as named or, failing that, found ignoring letter case.
std::optional<NativePath> find_source(const NativePath& path) {
    if (is_file(path))
        return path;
    auto found = find_existing(path);
    if (found && is_file(*found))
        return found;
    return std::nullopt;
}

// The path of a name the campaign holds, blanks around the whole dropped as the game's tools do.
NativePath game_file(const NativePath& folder, const std::string& name) {
    return trim_path(join_game_name(folder, name.substr(0, name.find_last_not_of(' ') + 1)));
}

bool same_file(const NativePath& a, const NativePath& b) {
    std::error_code ec;
    return std::filesystem::equivalent(to_native(a), to_native(b), ec) && !ec;
}

// The names in the folder the copy writes into, read once per run and matched ignoring letter
// case as the game's platform matches them. Looking up each new name on disk would read the
// whole folder again for every file copied.
class TargetNames {
  public:
    explicit TargetNames(const NativePath& folder)
        : prefix_(join_path(folder, "").str()),
          disk_prefix_(join_path(resolve_path(folder), "").str()) {
        for (const NativePath& name : list_files(folder, "*"))
            names_.emplace(fold_case(name.str()), name.str());
        for (const NativePath& name : list_folders(folder))
            names_.emplace(fold_case(name.str()), name.str());
    }

    // Where dest is on disk: the spelling of an existing name, or dest as it stands.
    NativePath locate(const NativePath& dest, bool& exists) const {
        const std::string& d = dest.str();
        std::string name = d.starts_with(prefix_) ? d.substr(prefix_.size()) : "";
        if (name.empty() || name.find_first_of("/\\") != std::string::npos) {
            auto found = find_existing(dest);
            exists = found.has_value();
            return found.value_or(dest);
        }
        auto it = names_.find(fold_case(name));
        exists = it != names_.end();
        return NativePath(disk_prefix_ + (exists ? it->second : name));
    }

    void add(const NativePath& path) {
        if (path.str().starts_with(disk_prefix_)) {
            std::string name = path.str().substr(disk_prefix_.size());
            names_.emplace(fold_case(name), name);
        }
    }

  private:
    std::string prefix_, disk_prefix_;
    std::unordered_map<std::string, std::string> names_;
};

class CopyRun {
  public:
    CopyRun(const EditorState& state, const CopyOptions& options, NativePath target,
            std::string new_ext, Messages& messages)
        : state_(state), options_(options), target_(std::move(target)),
          new_ext_(std::move(new_ext)), messages_(messages), names_(target_) {}

    CopyResult run() {
        result_.done = true;
        total_ = planned_files();
        result_.label = "This Report has been saved as: " + report_file("REPORT.").str();
        lines_.push_back("The following files are saved: ");
        const Settings& s = state_.settings;
        for (int k = 0; k < usable_count(state_.campaign); ++k) {
            const ScenarioSlot& scn = state_.campaign.scenarios[static_cast<std::size_t>(k)];
            copy_text_field(scn.scn_txt);
            for (const OutcomeRecord& o : scn.outcome)
                copy_text_field(o.txt);
            if (options_.copy_scenarios) {
                step(2);
                // The scenario's own text file keeps the edition's extension it has now.
                std::string n = field_text(scn.scn_file);
                std::string t = left(n, n.size() >= 4 ? n.size() - 4 : 0) + s.text_ext;
                copy_file(game_file(s.mf7_txt, t), t, false, false);
                std::string raw = field_raw(scn.scn_file);
                copy_file(game_file(s.mf7_scn, raw), raw, true, true);
            }
        }
        copy_text_field(state_.campaign.description_txt);
        if (options_.copy_campaign)
            copy_campaign();
        lines_.push_back(" ");
        lines_.push_back("Number of files copied = " + str_number(result_.copied));
        lines_.push_back("Number of files NOT FOUND = " + str_number(result_.not_found));
        // The lines hold paths and fixed ASCII words only, so the report is their game text.
        for (std::size_t i = 0; i < lines_.size(); ++i)
            result_.report_paths += (i ? "\r\n" : "") + lines_[i];
        result_.report = path_as_text(NativePath(result_.report_paths));
        save_report();
        return result_;
    }

  private:
    // Every file the record names, found or not: the scenario's text, the four outcome texts,
    // and with the scenarios their own text and file; then the description and the campaign.
    int planned_files() const {
        int per_scenario = 1 + kOutcomes + (options_.copy_scenarios ? 2 : 0);
        return usable_count(state_.campaign) * per_scenario + 1 + (options_.copy_campaign ? 1 : 0);
    }

    void step(int files = 1) {
        done_ += files;
        if (options_.progress)
            options_.progress(done_, total_);
    }

    // A name without a dot, or starting with one, names no file: empty fields end here too.
    void copy_text_field(const TextField& field) {
        step();
        std::string f = field_raw(field);
        std::size_t dot = f.find('.');
        if (dot == std::string::npos || dot == 0)
            return;
        copy_file(game_file(state_.settings.mf7_txt, f), f.substr(0, dot + 1) + new_ext_, true,
                  false);
    }

    // The report file in the target folder; the editions' extensions are ASCII.
    NativePath report_file(const char* stem) const {
        return join_path(target_, NativePath(stem + new_ext_));
    }

    // Whether the name may be joined into a destination; a refused one is reported and counted.
    bool allowed(const NativePath& source, const std::string& name) {
        if (name_allowed(name))
            return true;
        lines_.push_back(source.str() + " : " + kNotAllowed);
        ++result_.errors;
        return false;
    }

    // Copies source to the file name in the target folder.
    void copy_file(const NativePath& source, const std::string& name, bool report_missing,
                   bool scenario) {
        if (!allowed(source, name))
            return;
        NativePath dest = game_file(target_, name);
        auto found = find_source(source);
        if (!found) {
            if (report_missing) {
                lines_.push_back(source.str() + " : " + kNotFound);
                ++result_.not_found;
            }
            return;
        }
        // Copying a file onto itself would at best do nothing and at worst mark the game's own
        // scenario grey or hidden, so the source is left alone.
        bool exists = false;
        NativePath to = names_.locate(dest, exists);
        if (exists && same_file(*found, to)) {
            lines_.push_back(source.str() + " : " + kSameFile);
            return;
        }
        // The copy is written beside its destination and renamed, so a failure leaves no
        // half-written scenario that the game would try to load.
        FileError error;
        auto mark = [this](std::string& head) {
            mark_scenario_copy(head, options_.grey, options_.hidden);
        };
        bool ok = copy_file_atomic(*found, to, error, scenario ? scn_layout::kSize : 0,
                                   scenario ? mark : std::function<void(std::string&)>{},
                                   Flush::Lazy, &leftovers_);
        if (!ok) {
            fail(path_in_message(source), dest, error.text);
            lines_.push_back(source.str() + " : " + kFailed);
            return;
        }
        names_.add(to);
        lines_.push_back(dest.str());
        ++result_.copied;
    }

    // The record as held, text fields untouched: the blanks stay blanks, unlike a save.
    void copy_campaign() {
        step();
        if (!allowed(state_.cam_path, state_.cam_name.str()))
            return;
        NativePath dest = join_path(target_, trim_path(state_.cam_name));
        bool exists = false;
        NativePath to = names_.locate(dest, exists);
        auto source = find_existing(state_.cam_path);
        if (exists && source && same_file(*source, to)) {
            lines_.push_back(state_.cam_path.str() + " : " + kSameFile);
            return;
        }
        FileError error;
        if (!write_file_atomic_exact(to, campaign_to_bytes(state_.campaign), error, Flush::Lazy)) {
            fail("Copying campaign file to: ", dest, error.text);
            lines_.push_back(dest.str() + " : " + kFailed);
            return;
        }
        names_.add(to);
        lines_.push_back(dest.str());
    }

    // The report file holds the report as one written line, so it ends with CR LF.
    void save_report() {
        result_.report_path = report_file("report.");
        bool exists = false;
        NativePath to = names_.locate(result_.report_path, exists);
        FileError error;
        result_.report_saved =
            write_file_atomic_exact(to, result_.report + "\r\n", error, Flush::Lazy);
        if (!result_.report_saved)
            fail("Saving Report", result_.report_path, error.text);
    }

    // source is message text already: a path through path_in_message, or the step's words.
    void fail(const std::string& source, const NativePath& dest, const std::string& error_text) {
        ++result_.errors;
        messages_.show(
            "The error: >" + error_text + "< was encountered, While trying to copy files into " +
            path_in_message(target_) + "\r\n" + "Filenames when the Error occurred: " + source +
            " -> " + path_in_message(dest));
    }

    const EditorState& state_;
    const CopyOptions& options_;
    NativePath target_;
    std::string new_ext_;
    Messages& messages_;
    TargetNames names_;
    LeftoverTemps leftovers_; // every file goes into one folder, read once for them
    CopyResult result_;
    int done_ = 0, total_ = 0;
    std::vector<std::string> lines_;
};

} // namespace

std::string copy_question(const NativePath& target, const std::string& new_ext) {
    return "The campaign will be copied into the Folder: " + path_in_message(target) + "\r\n" +
           "All textfiles in the campaign will be given the extension: " + new_ext + "\r\n" +
           "Do yu want me to proceede?";
}

void mark_scenario_copy(std::string& bytes, bool grey, bool hidden) {
    if (grey && bytes.size() > scn_layout::kOrigin)
        bytes[scn_layout::kOrigin] = 0;
    if (hidden && bytes.size() > scn_layout::kHidden)
        bytes[scn_layout::kHidden] = 1;
}

std::optional<NativePath> make_copy_folder(const NativePath& parent, const NativePath& name,
                                           Messages& messages) {
    NativePath p = trim_path(parent), n = trim_path(name);
    if (n.empty()) {
        messages.show("Type a new Foldername in the White Textbox at the bottom");
        return std::nullopt;
    }
    char last = p.empty() ? '\0' : p.str().back();
    bool ends_in_separator = last == '/' || last == path_separator();
    NativePath folder = ends_in_separator ? NativePath(p.str() + n.str()) : join_path(p, n);
    if (folder_exists(folder)) {
        messages.show("The Folder: " + path_in_message(join_path(p, n)) + " allready exist");
        return std::nullopt;
    }
    std::error_code ec;
    std::filesystem::create_directory(to_native(folder), ec);
    if (ec) {
        report_file_error(messages, path_in_message(folder), "create the folder: ", ec.message());
        return std::nullopt;
    }
    return folder;
}

CopyResult make_international_copy(const EditorState& state, const CopyOptions& options,
                                   Messages& messages) {
    NativePath target = trim_path(options.target);
    std::string new_ext = lcase(options.new_ext);
    // Without the folder every file of the run would fail one by one, each with its message.
    if (!folder_exists(target)) {
        messages.show("The error: >" + std::generic_category().message(ENOENT) +
                      "< was encountered, While trying to copy files into " +
                      path_in_message(target));
        CopyResult none;
        none.errors = 1;
        return none;
    }
    if (messages.show(copy_question(target, new_ext), Buttons::OkCancel) != Answer::Ok)
        return {};
    return CopyRun(state, options, target, new_ext, messages).run();
}

} // namespace mf7
