#include "SatellitesXmlCommands.h"

#include "controls/MessageBox.h"
#include "document/Document.h"
#include "document/FileAccess.h"
#include "exchange/SatellitesXml.h"
#include "model/TransponderUpdate.h"
#include "views/common/CommandGuard.h"
#include "views/lists/SatellitesXmlDialog.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

namespace vormante {

SatellitesXmlCommands::SatellitesXmlCommands(vormante::Document& document, QWidget* dialogParent,
                                             QObject* parent)
    : ExchangeCommands(document, dialogParent, parent) {
    connect(&document_, &vormante::Document::opened, this, &SatellitesXmlCommands::FollowDocument);
}

void SatellitesXmlCommands::AddToMenu(QMenu* menu) {
    importAction_ = menu->addAction(tr("Import satellites.xml..."));
    importAction_->setObjectName(QStringLiteral("importSatellitesXmlAction"));
    exportAction_ = menu->addAction(tr("Export satellites.xml..."));
    exportAction_->setObjectName(QStringLiteral("exportSatellitesXmlAction"));
    QWidget* parent = dialogParent_;
    connect(importAction_, &QAction::triggered, this,
            [this, parent] { RunGuarded(parent, [this] { ImportFile(); }); });
    connect(exportAction_, &QAction::triggered, this,
            [this, parent] { RunGuarded(parent, [this] { ExportFile(); }); });
    FollowDocument();
}

void SatellitesXmlCommands::FollowDocument() {
    for (QAction* action : {importAction_, exportAction_})
        if (action != nullptr)
            action->setEnabled(document_.isOpen());
}

bool SatellitesXmlCommands::ImportFile() {
    const QString path = ChooseFileToRead(tr("Import satellites.xml"), Filter());
    if (path.isEmpty())
        return false;
    const vormante::SatellitesXmlRead read = vormante::ReadSatellitesXmlFile(files::NativePath(path));
    if (!read.ok) {
        //: %1 is the file name, %2 the reason
        Tell(tr("%1 was not imported: %2.")
                 .arg(QFileInfo(path).fileName(), QString::fromStdString(read.error)));
        return false;
    }
    SatellitesXmlDialog preview(document_.database(), read.file, dialogParent_);
    if (!Accepted(preview))
        return false;
    const vormante::TransponderUpdatePlan plan = preview.plan();
    if (!plan.ChangesImage())
        return false;
    return ApplyStep(
        StepName(), [&](vormante::ChannelDatabase& db) { return vormante::ApplyTransponderUpdate(db, plan); },
        tr("The image has changed since the file was read; nothing was imported."));
}

bool SatellitesXmlCommands::ExportFile() {
    const QString path = ChooseFileToWrite(tr("Export satellites.xml"), QString(), Filter());
    if (path.isEmpty())
        return false;
    const QByteArray xml = vormante::WriteSatellitesXml(vormante::SatelliteFileOf(document_.database()));
    return WriteChosenFile(path, files::BytesOf(xml));
}

} // namespace vormante
