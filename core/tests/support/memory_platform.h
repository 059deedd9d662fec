#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "quorvane/ui/platform.h"
#include "quorvane/ui/window_description.h"

namespace quorvane::testing {

// Control texts kept in memory, starting from the window's initial texts, with a record
// of what reached the clipboard, the browser and the error box.
class MemoryPlatform final : public Platform {
  public:
    MemoryPlatform() {
        for (const ControlEntry& control : main_window().controls)
            if (control.kind == ControlKind::edit_box)
                texts_[std::string(control.name)] = control.initial_text;
    }

    std::string read(std::string_view control) const override {
        const auto found = texts_.find(std::string(control));
        return found == texts_.end() ? std::string() : found->second;
    }
    void write(std::string_view control, std::string_view text) override {
        texts_[std::string(control)] = text;
        ++writes;
    }
    void set_clipboard_text(std::string_view text) override { clipboard.emplace_back(text); }
    void open_web_page(std::string_view url) override { opened_urls.emplace_back(url); }
    void show_error(std::string_view caption, std::string_view message) override {
        errors.emplace_back(caption, message);
    }

    std::map<std::string, std::string, std::less<>> snapshot() const { return texts_; }

    int writes = 0;
    std::vector<std::string> clipboard;
    std::vector<std::string> opened_urls;
    std::vector<std::pair<std::string, std::string>> errors;

  private:
    std::map<std::string, std::string, std::less<>> texts_;
};

}  // namespace quorvane::testing
