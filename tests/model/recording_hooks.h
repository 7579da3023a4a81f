#pragma once
// Test doubles for the model's neighbours: hooks that record what the model
// asked for, and message boxes answered from a script.

#include <deque>
#include <string>
#include <vector>

#include "model/diagram.h"
#include "platform/dialogs.h"

namespace model_test {

class AnsweringBoxes : public MessageBoxes {
public:
    struct Asked {
        std::string caption;
        std::string text;
        MessageButtons buttons;
    };
    std::deque<MessageResult> answers;
    std::vector<Asked> asked;

    MessageResult show(std::string_view caption, std::string_view text, MessageButtons buttons,
                       MessageIcon) override {
        asked.push_back({std::string(caption), std::string(text), buttons});
        if (answers.empty()) return buttons == MessageButtons::Ok ? MessageResult::Ok : MessageResult::No;
        const MessageResult r = answers.front();
        answers.pop_front();
        return r;
    }
};

class RecordingHooks : public DiagramHooks {
public:
    explicit RecordingHooks(bool script_open = false) : script_open(script_open) {}

    bool script_open;
    AnsweringBoxes boxes;
    std::vector<std::string> calls;
    // Object indices that the computation list measures.
    std::vector<int> measured;
    ObjectTable* table = nullptr;  // for pt_in_quantity / measure_cmd

    void invalidate() override { calls.push_back("invalidate"); }
    void draw_one(int k) override { calls.push_back("draw_one " + std::to_string(k)); }
    void draw_point(int k) override { calls.push_back("draw_point " + std::to_string(k)); }
    void draw_line(int k) override { calls.push_back("draw_line " + std::to_string(k)); }
    void resample_conic(int k) override { calls.push_back("resample " + std::to_string(k)); }
    bool script_manager_open() const override { return script_open; }
    void script_append_line(int k) override { calls.push_back("append_line " + std::to_string(k)); }
    void script_update_line(int pos) override { calls.push_back("update_line " + std::to_string(pos)); }
    void script_delete_line(int pos) override { calls.push_back("delete_line " + std::to_string(pos)); }
    void build_from_record(Dpoint& rec) override { calls.push_back("build " + std::to_string(rec.type)); }
    void release_expression_tokens() override { calls.push_back("release_tokens"); }
    MessageBoxes* message_boxes() override { return &boxes; }

    bool pt_in_quantity(int mode) override {
        if (mode != 1 || !table) return false;
        for (int m : measured)
            if (m == table->record_count()) return true;
        return false;
    }
    void measure_cmd(int code) override {
        if (code != -103 || !table) return;
        for (int& m : measured)
            if (m > table->record_count()) --m;
    }

    bool called(const std::string& what) const {
        for (const auto& c : calls)
            if (c == what) return true;
        return false;
    }
};

}  // namespace model_test
