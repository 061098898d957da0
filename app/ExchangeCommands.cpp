#include "ExchangeCommands.h"

#include "controls/MessageBox.h"
#include "document/Document.h"
#include "document/FileAccess.h"

#include <QDialog>
#include <QFileInfo>

namespace vormante {

ExchangeCommands::ExchangeCommands(vormante::Document& document, QWidget* dialogParent, QObject* parent)
    : QObject(parent), document_(document), dialogParent_(dialogParent),
      runDialog_([](QDialog& dialog) { return dialog.exec(); }) {}

QString ExchangeCommands::ChooseFileToRead(const QString& caption, const QString& filter) {
    return document_.isOpen() ? FileDialog::getOpenFileName(dialogParent_, caption, QString(), filter)
                              : QString();
}

QString ExchangeCommands::ChooseFileToWrite(const QString& caption, const QString& suggested,
                                            const QString& filter, const QString& defaultSuffix) {
    return document_.isOpen()
               ? FileDialog::getSaveFileName(dialogParent_, caption, suggested, filter, defaultSuffix)
               : QString();
}

void ExchangeCommands::Tell(const QString& text) {
    MessageBox::Show(dialogParent_, tr("Warning"), text, QMessageBox::Ok, QMessageBox::Warning);
}

QString ExchangeCommands::ChosenText::fileName() const {
    return QFileInfo(path).fileName();
}

std::string_view ExchangeCommands::ChosenText::text() const {
    return {reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size()};
}

std::optional<ExchangeCommands::ChosenText>
ExchangeCommands::ChooseTextToRead(const QString& caption, const QString& filter, std::size_t maxBytes) {
    ChosenText chosen{ChooseFileToRead(caption, filter), {}};
    if (chosen.path.isEmpty())
        return std::nullopt;
    chosen.file = files::Read(chosen.path, maxBytes);
    if (chosen.file.ok)
        return chosen;
    Tell(files::Text(chosen.file.error));
    return std::nullopt;
}

bool ExchangeCommands::WriteChosenFile(const QString& path, std::span<const std::uint8_t> bytes) {
    const FileWriteResult written = files::Write(path, bytes);
    if (!written.ok())
        //: %1 is the path, %2 the system's reason
        Tell(tr("%1 could not be written: %2.").arg(path, files::Text(written.reason)));
    return written.ok();
}

bool ExchangeCommands::Accepted(QDialog& preview) {
    return RunDialog(preview) == QDialog::Accepted;
}

bool ExchangeCommands::ApplyStep(const QString& step,
                                 const std::function<bool(vormante::ChannelDatabase&)>& apply,
                                 const QString& changedText) {
    bool applied = false;
    document_.Apply(step, [&](ChannelDatabase& db) { applied = apply(db); });
    if (!applied)
        Tell(changedText);
    return applied;
}

} // namespace vormante
