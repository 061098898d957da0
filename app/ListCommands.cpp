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
    : QObject(parent), document_(document), dialogParent_(dialogParent),
      runDialog_([](QDialog& dialog) { return dialog.exec(); }) {}

void ListCommands::Tell(const QString& text) {
    MessageBox::Show(dialogParent_, tr("Warning"), text, QMessageBox::Ok, QMessageBox::Warning);
}

bool ListCommands::ExportList() {
    if (!document_.isOpen())
        return false;
    const QString path = FileDialog::getSaveFileName(dialogParent_, tr("Export txt file"), QString(),
                                                     ListFilter(), QStringLiteral("csv"));
    if (path.isEmpty())
        return false;
    const std::string text = vormante::WriteChannelList(document_.database());
    const FileWriteResult written = files::Write(path, files::BytesOf(text));
    if (!written.ok()) {
        //: %1 is the path, %2 the system's reason
        Tell(tr("%1 could not be written: %2.").arg(path, files::Text(written.reason)));
        return false;
    }
    MessageBox::Show(dialogParent_, tr("Export txt file"),
                     tr("The channel list was written to %1.").arg(QDir::toNativeSeparators(path)),
                     QMessageBox::Ok, QMessageBox::Information);
    return true;
}

bool ListCommands::ImportList() {
    if (!document_.isOpen())
        return false;
    const QString path =
        FileDialog::getOpenFileName(dialogParent_, tr("Import txt file"), QString(), ListFilter());
    if (path.isEmpty())
        return false;
    const FileReadResult file = files::Read(path, vormante::MAX_LIST_BYTES);
    if (!file.ok) {
        Tell(files::Text(file.error));
        return false;
    }
    const vormante::ListReadResult list = vormante::ReadChannelList(
        std::string_view(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size()));
    if (!list.ok) {
        //: %1 is the file name, %2 the reason
        Tell(tr("%1 is not a channel list and was not imported: %2.")
                 .arg(QFileInfo(path).fileName(), QString::fromStdString(list.error)));
        return false;
    }
    const vormante::ListImportPlan plan = vormante::PlanListImport(document_.database(), list);
    ListImportDialog preview(document_.database(), plan, dialogParent_);
    if (runDialog_(preview) != QDialog::Accepted)
        return false;
    bool applied = false;
    const bool deleteMissing = preview.deleteMissing();
    //: an undo step; %1 is the file name
    document_.Apply(tr("Import %1").arg(QFileInfo(path).fileName()), [&](ChannelDatabase& db) {
        applied = vormante::ApplyListImport(db, plan, deleteMissing);
    });
    if (!applied)
        Tell(tr("The image has changed since the list was read; nothing was imported."));
    return applied;
}

bool ListCommands::LoadOtherImage(const QString& caption, ChannelDatabase& other, QString* path) {
    *path = FileDialog::getOpenFileName(dialogParent_, caption, QString(), FileCommands::FileFilter());
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
    if (!document_.isOpen())
        return false;
    auto other = std::make_unique<ChannelDatabase>();
    QString path;
    if (!LoadOtherImage(tr("Order like another image"), *other, &path))
        return false;
    ReorderDialog preview(document_.database(), *other, dialogParent_);
    if (runDialog_(preview) != QDialog::Accepted)
        return false;
    bool applied = false;
    //: an undo step; %1 is the file name of the other image
    document_.Apply(tr("Order like %1").arg(QFileInfo(path).fileName()),
                    [&](ChannelDatabase& db) { applied = vormante::ApplyReorder(db, preview.plan()); });
    if (!applied)
        Tell(tr("The image has changed since the order was planned; nothing was changed."));
    return applied;
}

bool ListCommands::CompareWithImage() {
    if (!document_.isOpen())
        return false;
    auto other = std::make_unique<ChannelDatabase>();
    QString path;
    if (!LoadOtherImage(tr("Compare with"), *other, &path))
        return false;
    CompareDialog compare(document_.database(), *other, QFileInfo(document_.path()).fileName(),
                          QFileInfo(path).fileName(), dialogParent_);
    runDialog_(compare);
    return true;
}

bool ListCommands::FindDuplicates() {
    if (!document_.isOpen())
        return false;
    DuplicatesDialog duplicates(document_.database(), dialogParent_);
    if (runDialog_(duplicates) != QDialog::Accepted)
        return false;
    const std::vector<int> channels = duplicates.selectedChannels();
    if (channels.empty())
        return false;
    bool applied = false;
    //: an undo step
    QString step = tr("Delete 1 duplicate channel");
    if (channels.size() != 1)
        //: an undo step; %1 is the number of channels (more than one)
        step = tr("Delete %1 duplicate channels").arg(channels.size());
    document_.Apply(step, [&](ChannelDatabase& db) { applied = vormante::DeleteChannels(db, channels); });
    if (!applied)
        Tell(tr("The image has changed since the duplicates were found; nothing was deleted."));
    return applied;
}

} // namespace vormante
