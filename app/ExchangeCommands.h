// What the commands that move channels and transponders between the image and
// other files share (the list, names and satellites.xml commands): the document,
// the parent of their dialogs, the dialog runner tests replace, and the steps each
// of them takes: reading the file the user chose, writing one, and applying a
// previewed plan as one step of the document's history.
#pragma once

#include "model/ImageFile.h"

#include <QObject>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>

class QDialog;
class QWidget;

namespace vormante {

class ChannelDatabase;
class Document;

class ExchangeCommands : public QObject {
    Q_OBJECT

public:
    // Shows a dialog modally and returns its result; tests replace it.
    using DialogRunner = std::function<int(QDialog&)>;
    void setDialogRunner(DialogRunner runner) { runDialog_ = std::move(runner); }

protected:
    ExchangeCommands(vormante::Document& document, QWidget* dialogParent, QObject* parent);

    // The file the user picks to read, or to write (a name without a suffix gets
    // defaultSuffix); empty when no image is open or the user cancelled.
    QString ChooseFileToRead(const QString& caption, const QString& filter);
    QString ChooseFileToWrite(const QString& caption, const QString& suggested, const QString& filter,
                              const QString& defaultSuffix = QString());
    // A warning box with the text.
    void Tell(const QString& text);
    // A text file the user picked to read: its path and at most maxBytes + 1 of its
    // bytes (a longer file is the list reader's to refuse).
    struct ChosenText {
        QString path;
        FileReadResult file;
        QString fileName() const;
        std::string_view text() const;
    };
    // Lets the user pick a text file and reads it; nothing when no image is open, the
    // user cancelled, or after saying why the file cannot be read.
    std::optional<ChosenText> ChooseTextToRead(const QString& caption, const QString& filter,
                                               std::size_t maxBytes);
    // Writes bytes to path safely; false after saying why it could not.
    bool WriteChosenFile(const QString& path, std::span<const std::uint8_t> bytes);
    // Runs the dialog with the runner and returns its result.
    int RunDialog(QDialog& dialog) { return runDialog_(dialog); }
    // Runs the preview; true when the user accepted it.
    bool Accepted(QDialog& preview);
    // Applies a plan as one step named `step`. `apply` returns false, having changed
    // nothing, when the plan no longer fits the image; then `changedText` is told.
    bool ApplyStep(const QString& step, const std::function<bool(vormante::ChannelDatabase&)>& apply,
                   const QString& changedText);

    vormante::Document& document_;
    QWidget* dialogParent_;

private:
    DialogRunner runDialog_;
};

} // namespace vormante
