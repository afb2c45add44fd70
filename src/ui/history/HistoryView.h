#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTableView;

namespace ondrix {

class HistoryFilterModel;
class HistoryListModel;
class HistoryService;

// The upload history window's content: the title "Upload History", a search over file and connection names,
// "Clear All", and the table of transfers, newest first. Reads the service and calls its `clear`.
class HistoryView : public QWidget {
    Q_OBJECT

public:
    explicit HistoryView(HistoryService& history, QWidget* parent = nullptr);

    HistoryListModel* model() const { return m_model; }
    HistoryFilterModel* filterModel() const { return m_filter; }
    QLineEdit* searchField() const { return m_search; }
    QPushButton* clearAllButton() const { return m_clearAll; }
    QTableView* table() const { return m_table; }
    QLabel* emptyLabel() const { return m_empty; }
    // True while the table is shown, false while "No upload history." is.
    bool isShowingTable() const;

private:
    void updateBody();

    HistoryService& m_history;
    HistoryListModel* m_model;
    HistoryFilterModel* m_filter;
    QLineEdit* m_search;
    QPushButton* m_clearAll;
    QStackedWidget* m_body;
    QLabel* m_empty;
    QTableView* m_table;
};

} // namespace ondrix
