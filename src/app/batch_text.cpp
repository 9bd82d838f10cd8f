// export, import and diff: the campaign as JSON text, for review and version control. They work
// on the files alone and need no settings file.
#include "app/batch.h"

#include "model/campaign_text.h"
#include "platform/files.h"

namespace mf7 {

namespace {

constexpr const char* kExportUsage = "usage: mf7batch export CAMPAIGN [--out FILE]\n";
constexpr const char* kImportUsage = "usage: mf7batch import TEXT --out CAMPAIGN\n";
constexpr const char* kDiffUsage = "usage: mf7batch diff CAMPAIGN_A CAMPAIGN_B\n";

// The only places these commands meet paths: the files they read and the one they write.
bool read_input(const NativePath& path, std::string& bytes, std::size_t limit, std::ostream& err) {
    FileError error;
    if (read_file(path, bytes, error, limit))
        return true;
    err << "mf7batch: cannot read " << path.str() << ": " << error.text << "\n";
    return false;
}

bool write_output(const NativePath& path, const std::string& bytes, std::ostream& err) {
    FileError error;
    if (write_file_atomic(path, bytes, error))
        return true;
    err << "mf7batch: cannot write " << path.str() << ": " << error.text << "\n";
    return false;
}

// The record of a campaign file. Only a file of the campaign's exact size is taken: the text
// must give back the same bytes, and a shorter or longer file has no such text.
bool read_campaign_record(const NativePath& path, CampaignRecord& cam, std::ostream& err) {
    std::string bytes;
    if (!read_input(path, bytes, layout::kFileSize + 1, err))
        return false;
    if (bytes.size() != layout::kFileSize) {
        err << "mf7batch: " << path.str()
            << " is no campaign file: " << (bytes.size() > layout::kFileSize ? "more than " : "")
            << bytes.size() << " bytes, a campaign file has " << layout::kFileSize << "\n";
        return false;
    }
    cam = campaign_from_bytes(bytes);
    return true;
}

// The positional arguments and the value of --out; false on anything else.
bool split_arguments(const std::vector<NativePath>& args, std::vector<NativePath>& positional,
                     std::optional<NativePath>& out_path) {
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i].str() == "--out" && i + 1 < args.size() && !out_path)
            out_path = args[++i];
        else if (args[i].str().starts_with("--"))
            return false;
        else
            positional.push_back(args[i]);
    }
    return true;
}

int export_text(const std::vector<NativePath>& args, std::ostream& out, std::ostream& err) {
    std::vector<NativePath> files;
    std::optional<NativePath> out_path;
    if (!split_arguments(args, files, out_path) || files.size() != 1) {
        err << kExportUsage;
        return 2;
    }
    CampaignRecord cam;
    if (!read_campaign_record(files[0], cam, err))
        return 2;
    std::string text = campaign_to_text(cam);
    if (!out_path) {
        out << text;
        return 0;
    }
    return write_output(*out_path, text, err) ? 0 : 2;
}

int import_text(const std::vector<NativePath>& args, std::ostream& err) {
    std::vector<NativePath> files;
    std::optional<NativePath> out_path;
    if (!split_arguments(args, files, out_path) || files.size() != 1 || !out_path) {
        err << kImportUsage;
        return 2;
    }
    std::string text;
    if (!read_input(files[0], text, std::string::npos, err))
        return 2;
    CampaignRecord cam;
    std::string error;
    if (!campaign_from_text(text, cam, error)) {
        err << "mf7batch: " << files[0].str() << ": " << error << "\n";
        return 2;
    }
    return write_output(*out_path, campaign_to_bytes(cam), err) ? 0 : 2;
}

int diff_campaigns(const std::vector<NativePath>& args, std::ostream& out, std::ostream& err) {
    std::vector<NativePath> files;
    std::optional<NativePath> out_path;
    if (!split_arguments(args, files, out_path) || files.size() != 2 || out_path) {
        err << kDiffUsage;
        return 2;
    }
    CampaignRecord a, b;
    if (!read_campaign_record(files[0], a, err) || !read_campaign_record(files[1], b, err))
        return 2;
    std::vector<std::string> lines = campaign_differences(a, b);
    for (const std::string& line : lines)
        out << line << "\n";
    return lines.empty() ? 0 : 1;
}

} // namespace

std::optional<int> run_text_command(const std::vector<NativePath>& args, std::ostream& out,
                                    std::ostream& err) {
    if (args.empty())
        return std::nullopt;
    if (args[0].str() == "export")
        return export_text(args, out, err);
    if (args[0].str() == "import")
        return import_text(args, err);
    if (args[0].str() == "diff")
        return diff_campaigns(args, out, err);
    return std::nullopt;
}

} // namespace mf7
