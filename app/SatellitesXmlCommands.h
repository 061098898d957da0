// "Import satellites.xml..." and "Export satellites.xml..." (File menu): the
// image's transponder tables brought up to date from a transponder list in the
// satellites.xml format, as one step of the document's history after a
// preview, and written out in that format.
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QDialog;
class QMenu;
class QWidget;

namespace vormante {

class Document;

class SatellitesXmlCommands : public QObject {
    Q_OBJECT

public:
    // Shows a dialog modally and returns its result; tests replace it.
    using DialogRunner = std::function<int(QDialog&)>;

    SatellitesXmlCommands(vormante::Document& document, QWidget* dialogParent, QObject* parent = nullptr);
    void setDialogRunner(DialogRunner runner) { runDialog_ = std::move(runner); }

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
    void Tell(const QString& text);
    void FollowDocument();

    vormante::Document& document_;
    QWidget* dialogParent_;
    DialogRunner runDialog_;
    QAction* importAction_ = nullptr;
    QAction* exportAction_ = nullptr;
};

} // namespace vormante
