#pragma once
// The three text panes of the frame's status bar: pane 1 the prompt of the
// current step, pane 2 the object under the mouse, pane 3 the current command.

#include <array>
#include <string>
#include <string_view>

class QLabel;
class QStatusBar;

class StatusPanes {
public:
    // Widths of the panes in characters; pane 1 is widened to its longest
    // prompt.
    static constexpr std::array<int, 3> kWidths{27, 9, 15};
    // Ids of the longest prompts pane 1 shows, measured in the bar's font.
    static constexpr std::array<int, 4> kLongestPrompts{1225, 1169, 1440, 1441};

    StatusPanes() = default;
    StatusPanes(const StatusPanes&) = delete;
    StatusPanes& operator=(const StatusPanes&) = delete;

    // Builds the three recessed, left-aligned, empty panes into the bar.
    void build(QStatusBar& bar);
    // Forgets the pane widgets (the bar is going away); the texts stay.
    void detach();

    // pane is 1, 2 or 3. Setting the text a pane shows already does nothing.
    void set(int pane, std::string_view text);
    const std::string& text(int pane) const;
    QLabel* label(int pane) const;
    // How many times a pane really changed (for tests of the no-op rule).
    int change_count(int pane) const;

private:
    std::array<std::string, 3> texts_;
    std::array<QLabel*, 3> labels_{};
    std::array<int, 3> changes_{};
};

// The panes of the running application; null when there is no frame.
StatusPanes* status_panes();
void set_status_panes(StatusPanes* panes);

void set_status1(std::string_view text);
void set_status2(std::string_view text);
void set_status3(std::string_view text);
