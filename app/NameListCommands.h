// The commands for plain lists of channel names (File menu): "Order by a list of
// names..." puts one satellite's channels of one kind in a list's order after a
// preview, as one step of the document's history; "Export names..." writes the
// channels shown in front as such a list.
#pragma once

#include "ExchangeCommands.h"

namespace vormante {

class NameListCommands : public ExchangeCommands {
    Q_OBJECT

public:
    // The satellite and kind of the channels in front; satellite -1 when none is shown.
    struct Shown {
        int satellite = -1;
        bool tv = true;
    };
    NameListCommands(vormante::Document& document, QWidget* dialogParent, std::function<Shown()> shown,
                     QObject* parent = nullptr);

    // Each returns true when it did what it set out to (a step made, a file written).
    bool OrderByNames();
    bool ExportNames();

    //: the file type in file dialogs
    static QString NamesFilter() {
        return tr("List of names") + QStringLiteral(" (*.txt *.csv)|*.txt;*.csv");
    }

private:
    std::function<Shown()> shown_;
};

} // namespace vormante
