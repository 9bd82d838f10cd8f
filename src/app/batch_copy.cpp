#include "app/batch.h"

#include "copy/international_copy.h"

namespace mf7 {

namespace {

constexpr const char* kCopyUsage =
    "usage: mf7batch copy CAMPAIGN --to FOLDER [--ext txt|deu|fra] [--no-scenarios] "
    "[--no-campaign] [--no-grey] [--no-hide] [--ini FILE]\n";

// Naming the target folder on the command line is the answer to the copy's question; every
// other message still goes to the error stream.
class ConfirmedCopyMessages : public Messages {
  public:
    explicit ConfirmedCopyMessages(Messages& inner) : inner_(inner) {}
    Answer show(const std::string& text, Buttons buttons, bool information_icon) override {
        if (buttons == Buttons::OkCancel)
            return Answer::Ok;
        return inner_.show(text, buttons, information_icon);
    }

  private:
    Messages& inner_;
};

bool parse_copy_options(const std::vector<NativePath>& args, CopyOptions& options) {
    bool have_target = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i].str();
        if (a == "--to" && i + 1 < args.size()) {
            options.target = args[++i];
            have_target = true;
        } else if (a == "--ext" && i + 1 < args.size()) {
            // Only the editions' ASCII extensions pass the test below.
            options.new_ext = args[++i].str();
            if (options.new_ext != "txt" && options.new_ext != "deu" && options.new_ext != "fra")
                return false;
        } else if (a == "--no-scenarios") {
            options.copy_scenarios = false;
        } else if (a == "--no-campaign") {
            options.copy_campaign = false;
        } else if (a == "--no-grey") {
            options.grey = false;
        } else if (a == "--no-hide") {
            options.hidden = false;
        } else {
            return false;
        }
    }
    return have_target;
}

} // namespace

int batch_copy(BatchContext& c) {
    CopyOptions options;
    if (!parse_copy_options(c.options, options)) {
        c.err << kCopyUsage;
        return 2;
    }
    ConfirmedCopyMessages messages(c.messages);
    CopyResult result = make_international_copy(c.state, options, messages);
    if (result.done) {
        print_text(c.out, result.report_paths, false);
        c.out << "\n";
    }
    if (!result.done || result.errors > 0)
        return 2;
    return result.not_found > 0 ? 1 : 0;
}

} // namespace mf7
