#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QStackedWidget;
class QTreeView;

namespace ondrix {

class LogListModel;
class LogService;

// The activity log window's content: the title "Sync Log" with "Clear" and "Copy All", and one row per
// entry, oldest at the top, following new entries at the bottom. Reads the service and calls its `clear`.
class LogView : public QWidget {
    Q_OBJECT

public:
    explicit LogView(LogService& log, QWidget* parent = nullptr);

    LogListModel* model() const { return m_model; }
    QTreeView* list() const { return m_list; }
    QLabel* emptyLabel() const { return m_empty; }
    QPushButton* clearButton() const { return m_clear; }
    QPushButton* copyAllButton() const { return m_copyAll; }
    // True while the list is shown, false while "No log entries yet." is.
    bool isShowingList() const;

    QSize minimumSizeHint() const override;

private:
    void copyAll();
    void updateBody();

    LogService& m_log;
    LogListModel* m_model;
    QPushButton* m_clear;
    QPushButton* m_copyAll;
    QStackedWidget* m_body;
    QLabel* m_empty;
    QTreeView* m_list;
};

} // namespace ondrix
