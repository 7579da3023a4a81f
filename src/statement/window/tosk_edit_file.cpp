#include "statement/window/tosk_edit_file.h"

#include <QFontDatabase>
#include <QMetaObject>
#include <QScopedValueRollback>
#include <QTextCursor>
#include <QTextDocument>

#include <fstream>
#include <sstream>

#include "platform/dialogs.h"
#include "platform/file_dialogs.h"
#include "prover/prover.h"
#include "statement/window/prover_window_strings.h"

namespace {

QString qt_text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The prover writes "\r\n"; the window keeps "\n" alone.
std::string without_returns(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != '\r')
            out += c;
    return out;
}

std::string caption() { return pw_text(pwsid::kProverName); }

}  // namespace

toskEditFile::toskEditFile(const EditFileUi& ui, std::string filter, QWidget* parent)
    : QPlainTextEdit(parent), ui_(ui), filter_(std::move(filter))
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    connect(document(), &QTextDocument::contentsChanged, this, [this] {
        if (!writing_)
            edited_ = true;
    });
}

void toskEditFile::append_output(std::string_view text)
{
    pending_.append(text);
    if (flush_posted_)
        return;
    // Many small prints make one insertion: shown when the command is done,
    // or when the event loop runs again for prints made outside a command.
    flush_posted_ = true;
    QMetaObject::invokeMethod(this, [this] { flush_output(); }, Qt::QueuedConnection);
}

void toskEditFile::flush_output()
{
    flush_posted_ = false;
    if (pending_.empty())
        return;
    const std::string text = without_returns(pending_);
    pending_.clear();
    const QScopedValueRollback writing(writing_, true);
    QTextCursor cursor = textCursor();
    if (proving_)
        cursor.movePosition(QTextCursor::End);
    begin_own_edit(cursor);
    cursor.insertText(qt_text(text));
    cursor.endEditBlock();
    join_next_ = in_undo_step_;
    setTextCursor(cursor);
}

void toskEditFile::begin_own_edit(QTextCursor& cursor)
{
    if (join_next_)
        cursor.joinPreviousEditBlock();
    else
        cursor.beginEditBlock();
}

void toskEditFile::set_proving(bool proving)
{
    flush_output();
    proving_ = proving;
    setReadOnly(proving);
}

void toskEditFile::begin_undo_step()
{
    if (in_undo_step_)
        return;
    flush_output();
    in_undo_step_ = true;
    // What the window did before belongs to the step before.
    join_next_ = false;
}

void toskEditFile::end_undo_step()
{
    flush_output();
    in_undo_step_ = false;
    join_next_ = false;
}

void toskEditFile::clear_text()
{
    pending_.clear();
    edited_ = false;
    // An empty window has nothing to undo: the output after it starts a
    // step, or goes on with the open one.
    if (document()->isEmpty())
        return;
    const QScopedValueRollback writing(writing_, true);
    QTextCursor all(document());
    begin_own_edit(all);
    all.select(QTextCursor::Document);
    all.removeSelectedText();
    all.endEditBlock();
    setTextCursor(all);
    join_next_ = true;
}

std::string toskEditFile::text()
{
    flush_output();
    return toPlainText().toStdString();
}

bool toskEditFile::modified() const { return document()->isModified(); }

bool toskEditFile::CanClear()
{
    flush_output();
    if (!modified() || document()->isEmpty())
        return true;
    const std::string name = file_name_.empty() ? pw_text(pwsid::kUntitled) : file_name_;
    const MessageResult answer =
        ui_.message_boxes->yes_no_cancel(caption(), fmt(pw_text(pwsid::kTextChanged).c_str(), name.c_str()));
    switch (answer) {
    case MessageResult::Yes: return Save();
    case MessageResult::No: return true;
    default: return false;
    }
}

void toskEditFile::NewFile()
{
    if (!CanClear())
        return;
    clear_text();
    file_name_.clear();
    document()->setModified(false);
}

bool toskEditFile::Open()
{
    if (!CanClear())
        return false;
    const auto path = ui_.files->open_file(filter_, "");
    if (!path)
        return false;
    return Read(*path);
}

bool toskEditFile::Read(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        ui_.message_boxes->ok(caption(), fmt(pw_text(pwsid::kCannotRead).c_str(), path.c_str()),
                              MessageIcon::Error);
        return false;
    }
    std::ostringstream content;
    content << in.rdbuf();
    clear_text();
    setPlainText(qt_text(without_returns(content.str())));
    file_name_ = path;
    document()->setModified(false);
    return true;
}

bool toskEditFile::Save()
{
    if (file_name_.empty())
        return SaveAs();
    return Write(file_name_);
}

bool toskEditFile::SaveAs()
{
    const auto path = ui_.files->save_file(filter_, "", file_name_);
    if (!path)
        return false;
    return Write(*path);
}

bool toskEditFile::Write(const std::string& path)
{
    const std::string content = text();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (out)
        out << content;
    if (!out || !out.flush()) {
        ui_.message_boxes->ok(caption(), fmt(pw_text(pwsid::kCannotWrite).c_str(), path.c_str()),
                              MessageIcon::Error);
        return false;
    }
    file_name_ = path;
    document()->setModified(false);
    return true;
}

void toskEditFile::delete_selection()
{
    flush_output();
    textCursor().removeSelectedText();
}

void toskEditFile::clear_all() { clear_text(); }

void toskEditFile::find()
{
    const auto what = ui_.input->ask(pw_text(pwsid::kFindTitle), pw_text(pwsid::kFindWhat), search_, 0);
    if (!what || what->empty())
        return;
    search_ = *what;
    find_from_cursor();
}

void toskEditFile::replace()
{
    const auto what = ui_.input->ask(pw_text(pwsid::kReplaceTitle), pw_text(pwsid::kFindWhat), search_, 0);
    if (!what || what->empty())
        return;
    const auto with = ui_.input->ask(pw_text(pwsid::kReplaceTitle), pw_text(pwsid::kReplaceWith), "", 0);
    if (!with)
        return;
    search_ = *what;
    flush_output();
    // Every occurrence from the top, in one step the user can undo.
    QTextCursor edit(document());
    edit.beginEditBlock();
    int replaced = 0;
    QTextCursor found = document()->find(qt_text(search_), 0, QTextDocument::FindCaseSensitively);
    while (!found.isNull()) {
        found.insertText(qt_text(*with));
        ++replaced;
        found = document()->find(qt_text(search_), found, QTextDocument::FindCaseSensitively);
    }
    edit.endEditBlock();
    if (replaced == 0)
        ui_.message_boxes->ok(caption(), fmt(pw_text(pwsid::kCannotFind).c_str(), search_.c_str()));
}

void toskEditFile::find_next()
{
    if (search_.empty()) {
        find();
        return;
    }
    find_from_cursor();
}

bool toskEditFile::find_from_cursor()
{
    flush_output();
    if (QPlainTextEdit::find(qt_text(search_), QTextDocument::FindCaseSensitively))
        return true;
    ui_.message_boxes->ok(caption(), fmt(pw_text(pwsid::kCannotFind).c_str(), search_.c_str()));
    return false;
}
