#include "window/status_panes.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStatusBar>

#include <algorithm>

#include "construct/cons_strings.h"

namespace {

StatusPanes* g_status = nullptr;
constexpr int kTextIndent = 3;

int index_of(int pane) { return pane < 1 ? 0 : pane > 3 ? 2 : pane - 1; }

}  // namespace

void StatusPanes::build(QStatusBar& bar)
{
    bar.setSizeGripEnabled(true);
    const QFontMetrics metrics(bar.font());
    int longest_prompt = 0;
    for (int id : kLongestPrompts)
        longest_prompt = std::max(longest_prompt, metrics.horizontalAdvance(QString::fromStdString(cons_string(id))));
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(QString::fromStdString(texts_[i]), &bar);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setIndent(kTextIndent);
        // Widths are given in characters of the bar's font; the frame adds its margins.
        const int text_width = std::max(metrics.averageCharWidth() * kWidths[i], i == 0 ? longest_prompt : 0);
        label->setFixedWidth(text_width + 2 * label->frameWidth() + 2 * kTextIndent);
        label->setObjectName(QStringLiteral("status%1").arg(i + 1));
        bar.addWidget(label);
        labels_[i] = label;
    }
}

void StatusPanes::detach() { labels_ = {}; }

void StatusPanes::set(int pane, std::string_view text)
{
    const int i = index_of(pane);
    if (texts_[i] == text)
        return;
    texts_[i] = std::string(text);
    ++changes_[i];
    if (labels_[i])
        labels_[i]->setText(QString::fromStdString(texts_[i]));
}

const std::string& StatusPanes::text(int pane) const { return texts_[index_of(pane)]; }
QLabel* StatusPanes::label(int pane) const { return labels_[index_of(pane)]; }
int StatusPanes::change_count(int pane) const { return changes_[index_of(pane)]; }

StatusPanes* status_panes() { return g_status; }
void set_status_panes(StatusPanes* panes) { g_status = panes; }

void set_status1(std::string_view text)
{
    if (g_status)
        g_status->set(1, text);
}

void set_status2(std::string_view text)
{
    if (g_status)
        g_status->set(2, text);
}

void set_status3(std::string_view text)
{
    if (g_status)
        g_status->set(3, text);
}
