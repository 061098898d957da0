// "Import satellites.xml..." and "Export satellites.xml..." (File menu): the
// image's transponder tables brought up to date from a transponder list in the
// satellites.xml format, as one step of the document's history after a
// preview, and written out in that format.
#pragma once

#include "ExchangeCommands.h"

class QAction;
class QMenu;

namespace vormante {

class SatellitesXmlCommands : public ExchangeCommands {
    Q_OBJECT

public:
    SatellitesXmlCommands(vormante::Document& document, QWidget* dialogParent, QObject* parent = nullptr);

    // Adds both commands to the menu; they work while an image is open.
    void AddToMenu(QMenu* menu);
    QAction* importAction() const { return importAction_; }
    QAction* exportAction() const { return exportAction_; }

    // Each returns true when it did what it set out to (a step made, a file written).
    bool ImportFile();
    bool ExportFile();

    static QString Filter() { return QStringLiteral("satellites.xml (*.xml)|*.xml"); }
    //: an undo step
    static QString StepName() { return tr("Update transponders from satellites.xml"); }

private:
    void FollowDocument();

    QAction* importAction_ = nullptr;
    QAction* exportAction_ = nullptr;
};

} // namespace vormante
