#pragma once

#include "supervision/ConnectionsManager.h"
#include "support/EngineTestServices.h"
#include "support/ui/UiTestSupport.h"
#include "ui/common/SettingsNavigation.h"
#include "ui/connections/ConnectionsSettingsView.h"

#include <QCoreApplication>
#include <QWidget>

#include <memory>

namespace ondrix::test {

// The connections tab over a real manager in a private home, with dialogs the test answers.
class ConnectionsViewFixture : public EngineTestFixture {
protected:
    void TearDown() override
    {
        view.reset();
        manager->stopAll();
        pool.waitForDone();
        manager.reset();
    }

    // Opened as the popover opens it: on the first connection (`selectFirst`), or as the menu does, on none.
    void makeView(bool selectFirst = true)
    {
        if (selectFirst && !manager->connections().isEmpty())
            navigation.setConnectionId(manager->connections().first().id);
        view = std::make_unique<ConnectionsSettingsView>(*manager, dialogs, pool, &navigation);
        view->resize(800, 650);
        view->show();
    }

    PushConnection stored(const QUuid& id) const { return storedConnection(*manager, id); }

    // A change deep in the form reaches each enclosing layout a turn later: settle them before painting.
    static void settle()
    {
        for (int turn = 0; turn < 8; ++turn)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::processEvents();
    }

    static void picture(QWidget* widget, const QString& name)
    {
        settle();
        saveScreenshot(widget, name);
    }

    template <typename T>
    static T* find(QWidget* root, const QString& name)
    {
        T* child = root->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name.toStdString();
        return child;
    }

    FakeDialogs dialogs;
    SettingsNavigation navigation;
    std::unique_ptr<ConnectionsManager> manager =
        std::make_unique<ConnectionsManager>(services, nullptr, nullptr);
    std::unique_ptr<ConnectionsSettingsView> view;
};

} // namespace ondrix::test
