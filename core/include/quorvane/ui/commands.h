#pragma once

#include <string_view>

#include "quorvane/platform/random_bytes.h"
#include "quorvane/ui/platform.h"

namespace quorvane {

enum class CommandKind {
    generate,       // the single generation
    copy,           // copy the result box `box`
    batch_copy,     // the batch generation, then copy the accumulator `box`
    open_web_page,  // open web_page_url
};

struct Command {
    CommandKind kind;
    std::string_view box;  // copy and batch_copy only

    friend constexpr bool operator==(const Command&, const Command&) = default;
};

// Another party's password generator, opened by the web-page button.
inline constexpr std::string_view web_page_url = "https://passwordsgenerator.net/";

// Runs a button's command to its end; errors the user should know of go to show_error.
void run_command(const Command& command, Platform& platform, RandomBytes& random);

}  // namespace quorvane
