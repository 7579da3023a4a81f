#pragma once
// The prover's text window: it holds the statement and everything the prover
// prints, and loads, saves, searches and edits its text like a plain editor.

#include <QPlainTextEdit>

#include <string>
#include <string_view>

class FileDialogs;
class InputDialog;
class MessageBoxes;
class QTextCursor;

// What the text window asks the user through; pointers are not owned.
struct EditFileUi {
    MessageBoxes* message_boxes = nullptr;
    FileDialogs* files = nullptr;
    InputDialog* input = nullptr;
};

class toskEditFile : public QPlainTextEdit {
public:
    toskEditFile(const EditFileUi& ui, std::string filter, QWidget* parent = nullptr);

    // --- the prover's output ---
    // Text printed by the prover, inserted at the caret (replacing the
    // selection) so that successive prints follow one another. Line breaks
    // may come as "\r\n". The text is collected and shown at flush_output(),
    // which also runs when control returns to the event loop.
    void append_output(std::string_view text);
    void flush_output();
    // Empties the window (what was collected and not shown yet goes too).
    // The clearing and the output that follows it are one step for Undo, so
    // that Undo brings back what the window held, typed text included.
    void clear_text();
    // The whole text as plain UTF-8 with "\n" line breaks.
    std::string text();
    // While a proof runs the text cannot be edited by hand and its output
    // goes to the end of the text whatever the caret.
    void set_proving(bool proving);
    bool proving() const { return proving_; }

    // --- Undo ---
    // From begin_undo_step() to end_undo_step() every clearing and output of
    // the window joins one step for Undo, however many there are and however
    // long between them (a proof on its own thread), so that one Undo brings
    // back the text from before a command. The user's edits before and after
    // stay steps of their own.
    void begin_undo_step();
    void end_undo_step();

    // True when the text was changed by hand (typed, pasted, loaded from a
    // file) since the last mark_read(); the prover's own output and the
    // clearing of the window do not count.
    bool edited_since_read() const { return edited_; }
    void mark_read() { edited_ = false; }

    // --- the file ---
    const std::string& file_name() const { return file_name_; }
    bool modified() const;
    // The question before changed text is dropped: Yes saves first, No drops
    // it, Cancel keeps it. True when the text may go. An empty window is
    // never asked about.
    bool CanClear();
    bool CanClose() { return CanClear(); }
    // "&New": asks, then empties the window and forgets the file.
    void NewFile();
    // "&Open...": asks, then the file-open dialog; on OK the file's text
    // replaces the window's text. True when a file was read.
    bool Open();
    // Reads a file into the window; false (after a message) when it cannot.
    bool Read(const std::string& path);
    // "&Save": under the window's file name, or as "Save &As..." without one.
    bool Save();
    bool SaveAs();
    bool Write(const std::string& path);

    // --- the Edit and Search menus ---
    void delete_selection();
    void clear_all();
    void find();
    void replace();
    void find_next();
    const std::string& search_text() const { return search_; }

private:
    bool find_from_cursor();
    // Opens the edit block of a change the window makes itself: a new step,
    // or the one the clearing before it or the open undo step began.
    void begin_own_edit(QTextCursor& cursor);

    EditFileUi ui_;
    std::string filter_;
    std::string file_name_;
    std::string pending_;      // prover output not shown yet
    bool flush_posted_ = false;
    bool in_undo_step_ = false;
    bool join_next_ = false;   // the window's next change joins its last one for Undo
    bool proving_ = false;
    bool writing_ = false;     // the window's own change of its text runs
    bool edited_ = false;
    std::string search_;
};
