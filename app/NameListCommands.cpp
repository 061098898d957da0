#include "NameListCommands.h"

#include "controls/MessageBox.h"
#include "document/Document.h"
#include "document/FileAccess.h"
#include "document/StepNames.h"
#include "model/NamesOrder.h"
#include "views/lists/NamesOrderDialog.h"

#include <QFileInfo>

namespace vormante {

using vormante::ChannelDatabase;

NameListCommands::NameListCommands(vormante::Document& document, QWidget* dialogParent,
                                   std::function<Shown()> shown, QObject* parent)
    : ExchangeCommands(document, dialogParent, parent), shown_(std::move(shown)) {}

bool NameListCommands::OrderByNames() {
    // One byte more than a list may hold, so a larger file is refused by its size.
    const std::optional<ChosenText> chosen =
        ChooseTextToRead(tr("Order by a list of names"), NamesFilter(), vormante::MAX_NAMES_BYTES);
    if (!chosen)
        return false;
    const QString listName = chosen->fileName();
    const vormante::NamesListResult list = vormante::ReadNamesList(chosen->text());
    if (!list.ok) {
        //: %1 is the file name, %2 the reason
        Tell(tr("%1 is not a list of names and was not used: %2.")
                 .arg(listName, QString::fromStdString(list.error)));
        return false;
    }
    const Shown shown = shown_();
    NamesOrderDialog preview(document_.database(), list, listName, shown.satellite, shown.tv, dialogParent_);
    if (!Accepted(preview))
        return false;
    const vormante::NamesOrderPlan& plan = preview.plan();
    if (!vormante::IsSatelliteSlot(plan.options.satellite))
        return false;
    const QString satellite = steps::SatelliteLabel(document_.database(), plan.options.satellite);
    //: an undo step; %1 is the satellite, %2 the file name of the list
    const QString step = plan.options.tv ? tr("Order %1 TV by %2").arg(satellite, listName)
                                         //: an undo step; %1 is the satellite, %2 the file name of the list
                                         : tr("Order %1 radio by %2").arg(satellite, listName);
    return ApplyStep(
        step, [&](ChannelDatabase& db) { return vormante::ApplyNamesOrder(db, plan); },
        tr("The image has changed since the list was matched; nothing was changed."));
}

bool NameListCommands::ExportNames() {
    if (!document_.isOpen())
        return false;
    const Shown shown = shown_();
    if (!vormante::IsSatelliteSlot(shown.satellite) ||
        !document_.database().Satellite(shown.satellite).isUsed()) {
        Tell(tr("Show the satellite whose channel names to export first."));
        return false;
    }
    const std::string satellite = document_.database().Satellite(shown.satellite).name();
    const QString satelliteName = steps::FromLatin1(satellite).trimmed();
    //: the file name offered; %1 is the satellite's name
    QString suggested = shown.tv ? tr("%1 TV.txt").arg(satelliteName)
                                 //: the file name offered; %1 is the satellite's name
                                 : tr("%1 radio.txt").arg(satelliteName);
    suggested.replace(QLatin1Char('/'), QLatin1Char('-'));
    const QString path = ChooseFileToWrite(tr("Export names"), suggested, NamesFilter());
    if (path.isEmpty())
        return false;
    const std::string text = vormante::WriteNamesList(document_.database(), shown.satellite, shown.tv);
    return WriteChosenFile(path, files::BytesOf(text));
}

} // namespace vormante
