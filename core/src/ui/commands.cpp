#include "quorvane/ui/commands.h"

#include <string>

#include "quorvane/engine/generation.h"
#include "quorvane/ui/messages.h"

namespace quorvane {
namespace {

// Tells the user why a run wrote no passwords; a finished run says nothing.
bool report(RunOutcome outcome, Platform& platform) {
    switch (outcome) {
        case RunOutcome::done:
            return true;
        case RunOutcome::too_large:
            platform.show_error(messages::error_caption, messages::too_large);
            return false;
        case RunOutcome::random_failure:
            platform.show_error(messages::error_caption, messages::random_failure);
            return false;
    }
    return false;
}

}  // namespace

void run_command(const Command& command, Platform& platform, RandomBytes& random) {
    switch (command.kind) {
        case CommandKind::generate:
            report(run_single_generation(platform, random), platform);
            return;
        case CommandKind::copy:
            platform.set_clipboard_text(platform.read(command.box));
            return;
        case CommandKind::batch_copy:
            if (report(run_batch_generation(platform, random), platform))
                platform.set_clipboard_text(platform.read(command.box));
            return;
        case CommandKind::open_web_page:
            platform.open_web_page(web_page_url);
            return;
    }
}

}  // namespace quorvane
