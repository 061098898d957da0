// What the tests of the satellite page share: the page shown on a document with its dialogs run
// by the test, the edit dialogs stored as they are, and the image's consistency problems as texts.
// Link vormante_views and Qt6::Test.
#pragma once

#include "document/Document.h"
#include "model/ConsistencyCheck.h"
#include "views/channels/ChannelDialog.h"
#include "views/satellites/LnbDialog.h"
#include "views/satellites/SatelliteDialog.h"
#include "views/satellites/SatellitePage.h"
#include "views/satellites/TransponderDialog.h"

#include <QStringList>
#include <QTest>

#include <functional>
#include <memory>

namespace vormante::testsupport {

// The consistency problems of the image, one text each; empty when it is consistent.
inline QStringList ConsistencyProblems(const vormante::ChannelDatabase& db) {
    QStringList texts;
    for (const vormante::ConsistencyProblem& problem : vormante::CheckConsistency(db))
        texts << QString::fromStdString(problem.message);
    return texts;
}

// Stores what the dialog holds when it is one of the satellite page's edit dialogs (satellite,
// transponder, LNB, channel); false for any other dialog.
inline bool StoreEditDialog(QDialog& dialog) {
    if (auto* satellite = qobject_cast<SatelliteDialog*>(&dialog))
        satellite->Store();
    else if (auto* transponder = qobject_cast<TransponderDialog*>(&dialog))
        transponder->Store();
    else if (auto* lnb = qobject_cast<LnbDialog*>(&dialog))
        lnb->Store();
    else if (auto* channel = qobject_cast<ChannelDialog*>(&dialog))
        channel->Store();
    else
        return false;
    return true;
}

// A dialog runner that stands in for the user: counts the dialogs in `opened` and, when `fill`
// is set, lets it fill each one before the dialog's result is taken. Both must outlive the page.
inline SatellitePage::DialogRunner CountingRunner(int& opened, const std::function<void(QDialog&)>& fill) {
    return [&opened, &fill](QDialog& dialog) {
        ++opened;
        if (fill)
            fill(dialog);
        return dialog.result();
    };
}

// A satellite page of 760 x 520 on the document, shown and filled, whose dialogs go to runner
// instead of running modally.
inline std::unique_ptr<SatellitePage> ShowSatellitePage(vormante::Document& document,
                                                        SatellitePage::DialogRunner runner) {
    auto page = std::make_unique<SatellitePage>();
    page->resize(760, 520);
    page->show();
    page->Initialize(document);
    page->setDialogRunner(std::move(runner));
    for (int which = 0; which < 4; ++which)
        page->RefreshList(which);
    return page;
}

// The members the satellite page tests share: a document and the page on it, whose dialogs the
// test fills through fill_ (opened_ counts them), and a command run that checks the image after.
class SatellitePageFixture {
protected:
    // A new page on the document as it is now, shown and filled; no dialog opened yet.
    void ShowPage() {
        opened_ = 0;
        fill_ = nullptr;
        page_ = ShowSatellitePage(document_, CountingRunner(opened_, fill_));
    }

    // Runs one of the page's commands; fails the test when the image is not consistent after it.
    void RunAndCheck(int id) {
        page_->RunCommand(id);
        const QStringList problems = ConsistencyProblems(db_);
        QVERIFY2(problems.isEmpty(),
                 qPrintable(QStringLiteral("after %1: %2").arg(id).arg(problems.join('\n'))));
    }

    vormante::Document document_;
    const vormante::ChannelDatabase& db_ = document_.database();
    std::unique_ptr<SatellitePage> page_;
    int opened_ = 0;
    std::function<void(QDialog&)> fill_;
};

} // namespace vormante::testsupport
