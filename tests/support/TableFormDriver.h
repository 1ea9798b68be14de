#pragma once
// Drives the modal edit form a generic table view opens (Edit and Add run it modally, so the
// test's driver has to run inside it).
#include "views/SNMPListViewPanel.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace testutil {

// Runs `drive` inside the next modal form the table view opens (events may run before the
// form is there); closes that form if the driver did not, so a failed check cannot leave the
// test waiting.
inline void WhenFormOpens(TSNMPListViewPanel* panel, std::function<void(QDialog*)> drive)
{
    auto* poll = new QTimer(panel);
    QElapsedTimer waited;
    waited.start();
    QObject::connect(poll, &QTimer::timeout, panel, [panel, drive, poll, waited] {
        QDialog* form = panel->OpenForm();
        if (!form || !form->isVisible()) {
            if (waited.elapsed() < 5000)
                return;
            ADD_FAILURE() << "no form open";
        }
        poll->stop();
        poll->deleteLater();
        if (!form)
            return;
        drive(form);
        if (panel->OpenForm() == form && form->isVisible())
            form->close();
    });
    poll->start(0);
}

} // namespace testutil
