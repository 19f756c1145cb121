#pragma once
// A tab strip shown in rows, as a tab control with a number of tabs per row
// draws it: a strip too wide for one row neither scrolls nor shortens its
// captions.
//
// The control is the QTabBar `strip` (the binder mirrors the form's tabs
// onto it and hears its picks); it stays hidden. Each row is a tab bar of its
// own showing `perRow` of the strip's tabs; the row holding the current tab
// lies next to the pages and alone draws a tab chosen, and a pick in any row
// picks that tab of the strip.
// The pages, added with AddPage, follow the strip's current tab.
//
//   auto* strip = Named<QTabBar>(parent, stripName);
//   auto* rows = new TabRows(strip, 8, parent);
//   rows->AddPage(page);                       // one per tab
//   connect(&binder, &FormBinder::synced, rows, &TabRows::Follow);
#include <QWidget>

#include <vector>

class QStackedWidget;
class QTabBar;
class QVBoxLayout;

namespace rp {

class TabRows : public QWidget {
    Q_OBJECT
public:
    TabRows(QTabBar* strip, int perRow, QWidget* parent = nullptr);

    // Adds a tab to the strip with `page` as its page.
    void AddPage(QWidget* page);
    // Shows the strip's captions, states and current tab in the rows.
    void Follow();

    QTabBar* Strip() const { return strip_; }
    const std::vector<QTabBar*>& Rows() const { return rows_; }

private:
    QTabBar* strip_;
    int perRow_;
    QVBoxLayout* rowLayout_;
    QStackedWidget* pages_;
    std::vector<QTabBar*> rows_;
    bool following_ = false;
};

}  // namespace rp
