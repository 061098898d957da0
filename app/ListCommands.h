// The commands that carry channel lists across files: "Export txt file", "Import txt
// file", "Order like another image...", "Compare with..." (File menu) and "Find
// duplicates" (Edit menu). Each change of the image is one step of the document's
// history; the dialogs only show what will change.
#pragma once

#include "ExchangeCommands.h"

namespace vormante {

class ListCommands : public ExchangeCommands {
    Q_OBJECT

public:
    ListCommands(vormante::Document& document, QWidget* dialogParent, QObject* parent = nullptr);

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
    // Asks for another image and loads it; false (after saying why) when it cannot, or when no
    // image is open.
    bool LoadOtherImage(const QString& caption, vormante::ChannelDatabase& other, QString* path);
};

} // namespace vormante
