#include "ListCommands.h"

#include "FileCommands.h"
#include "controls/MessageBox.h"
#include "document/Document.h"
#include "document/FileAccess.h"
#include "model/ChannelList.h"
#include "model/Duplicates.h"
#include "model/ImageReorder.h"
#include "model/ListImport.h"
#include "views/lists/CompareDialog.h"
#include "views/lists/DuplicatesDialog.h"
#include "views/lists/ListImportDialog.h"
#include "views/lists/ReorderDialog.h"

#include <QDir>
#include <QFileInfo>

#include <memory>

namespace vormante {

using vormante::ChannelDatabase;

ListCommands::ListCommands(vormante::Document& document, QWidget* dialogParent, QObject* parent)
    : ExchangeCommands(document, dialogParent, parent) {}

bool ListCommands::ExportList() {
    const QString path =
        ChooseFileToWrite(tr("Export txt file"), QString(), ListFilter(), QStringLiteral("csv"));
    if (path.isEmpty())
        return false;
    const std::string text = vormante::WriteChannelList(document_.database());
    if (!WriteChosenFile(path, files::BytesOf(text)))
        return false;
    MessageBox::Show(dialogParent_, tr("Export txt file"),
                     tr("The channel list was written to %1.").arg(QDir::toNativeSeparators(path)),
                     QMessageBox::Ok, QMessageBox::Information);
    return true;
}

bool ListCommands::ImportList() {
    const std::optional<ChosenText> chosen =
        ChooseTextToRead(tr("Import txt file"), ListFilter(), vormante::MAX_LIST_BYTES);
    if (!chosen)
        return false;
    const vormante::ListReadResult list = vormante::ReadChannelList(chosen->text());
    if (!list.ok) {
        //: %1 is the file name, %2 the reason
        Tell(tr("%1 is not a channel list and was not imported: %2.")
                 .arg(chosen->fileName(), QString::fromStdString(list.error)));
        return false;
    }
    const vormante::ListImportPlan plan = vormante::PlanListImport(document_.database(), list);
    ListImportDialog preview(document_.database(), plan, dialogParent_);
    if (!Accepted(preview))
        return false;
    const bool deleteMissing = preview.deleteMissing();
    //: an undo step; %1 is the file name
    return ApplyStep(
        tr("Import %1").arg(chosen->fileName()),
        [&](ChannelDatabase& db) { return vormante::ApplyListImport(db, plan, deleteMissing); },
        tr("The image has changed since the list was read; nothing was imported."));
}

bool ListCommands::LoadOtherImage(const QString& caption, ChannelDatabase& other, QString* path) {
    *path = ChooseFileToRead(caption, FileCommands::FileFilter());
    if (path->isEmpty())
        return false;
    const FileReadResult file = files::Read(*path, vormante::IMAGE_SIZE);
    if (!file.ok) {
        MessageBox::information(dialogParent_, FileCommands::OpenErrorText());
        return false;
    }
    const vormante::LoadResult loaded = other.Load(file.bytes);
    if (!loaded.ok) {
        MessageBox::information(dialogParent_, QString::fromStdString(loaded.error));
        return false;
    }
    other.BuildRecordPointers();
    return true;
}

bool ListCommands::OrderLikeImage() {
    auto other = std::make_unique<ChannelDatabase>();
    QString path;
    if (!LoadOtherImage(tr("Order like another image"), *other, &path))
        return false;
    ReorderDialog preview(document_.database(), *other, dialogParent_);
    if (!Accepted(preview))
        return false;
    //: an undo step; %1 is the file name of the other image
    return ApplyStep(
        tr("Order like %1").arg(QFileInfo(path).fileName()),
        [&](ChannelDatabase& db) { return vormante::ApplyReorder(db, preview.plan()); },
        tr("The image has changed since the order was planned; nothing was changed."));
}

bool ListCommands::CompareWithImage() {
    auto other = std::make_unique<ChannelDatabase>();
    QString path;
    if (!LoadOtherImage(tr("Compare with"), *other, &path))
        return false;
    CompareDialog compare(document_.database(), *other, QFileInfo(document_.path()).fileName(),
                          QFileInfo(path).fileName(), dialogParent_);
    RunDialog(compare);
    return true;
}

bool ListCommands::FindDuplicates() {
    if (!document_.isOpen())
        return false;
    DuplicatesDialog duplicates(document_.database(), dialogParent_);
    if (!Accepted(duplicates))
        return false;
    const std::vector<int> channels = duplicates.selectedChannels();
    if (channels.empty())
        return false;
    //: an undo step
    QString step = tr("Delete 1 duplicate channel");
    if (channels.size() != 1)
        //: an undo step; %1 is the number of channels (more than one)
        step = tr("Delete %1 duplicate channels").arg(channels.size());
    return ApplyStep(
        step, [&](ChannelDatabase& db) { return vormante::DeleteChannels(db, channels); },
        tr("The image has changed since the duplicates were found; nothing was deleted."));
}

} // namespace vormante
