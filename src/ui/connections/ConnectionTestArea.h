#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QThreadPool;

namespace ondrix {

class ConnectionForm;

// The foot of the connection editor: what is still required, the "Test Connection" button, and the result
// of the last test. The test runs on the pool against the form as it stands, saved or not.
//
// Main thread only.
class ConnectionTestArea : public QWidget {
    Q_OBJECT

public:
    ConnectionTestArea(ConnectionForm& form, QThreadPool& pool, QWidget* parent = nullptr);

    void refresh();
    void testConnection();
    bool isTesting() const { return m_testing; }
    QString testResult() const { return m_result; }

Q_SIGNALS:
    void testFinished(const QString& result);

private:
    ConnectionForm& m_form;
    QThreadPool& m_pool;
    bool m_testing = false;
    bool m_succeeded = false;
    QString m_result;
    QWidget* m_required = nullptr;
    QLabel* m_requiredText = nullptr;
    QPushButton* m_button = nullptr;
    QLabel* m_resultLabel = nullptr;
};

} // namespace ondrix
