// The commands that carry channel lists across files: "Export txt file", "Import txt
// file", "Order like another image...", "Compare with..." (File menu) and "Find
// duplicates" (Edit menu). Each change of the image is one step of the document's
// history; the dialogs only show what will change.
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QDialog;
class QWidget;

namespace vormante {

class ChannelDatabase;
class Document;

class ListCommands : public QObject {
    Q_OBJECT

public:
    // Shows a dialog modally and returns its result; tests replace it.
    using DialogRunner = std::function<int(QDialog&)>;

    ListCommands(vormante::Document& document, QWidget* dialogParent, QObject* parent = nullptr);
    void setDialogRunner(DialogRunner runner) { runDialog_ = std::move(runner); }

    // Each returns true when it did what it set out to (a file written, a step made).
    // Export adds ".csv" to a name without a suffix and says where it wrote.
    bool ExportList();
    bool ImportList();
    bool OrderLikeImage();
    bool CompareWithImage();
    bool FindDuplicates();

    //: the file type in file dialogs
    static QString ListFilter() { return tr("Channel list") + QStringLiteral(" (*.csv *.txt)|*.csv;*.txt"); }

private:
    // Asks for another image and loads it; false (after saying why) when it cannot.
    bool LoadOtherImage(const QString& caption, vormante::ChannelDatabase& other, QString* path);
    void Tell(const QString& text);

    vormante::Document& document_;
    QWidget* dialogParent_;
    DialogRunner runDialog_;
};

} // namespace vormante
