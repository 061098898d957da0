// FindChannelDialog: finds a channel on any satellite. A text box and a result list
// (satellite, transponder, TV/Radio, number, name) that follows the text as it is
// typed: a name fragment (case and accents folded), or a number matching a channel
// number or PID. Enter or a double click on a result accepts the dialog; chosen()
// then names the channel. Everything a user does here is reachable through public
// methods, so tests drive it without exec().
#pragma once

#include "model/ChannelSearch.h"

#include <QDialog>
#include <QString>

#include <optional>
#include <vector>

class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace vormante {

class ColumnListCtrl;

class FindChannelDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int SATELLITE_COLUMN = 0;
    static constexpr int TRANSPONDER_COLUMN = 1;
    static constexpr int KIND_COLUMN = 2;
    static constexpr int NUMBER_COLUMN = 3;
    static constexpr int NAME_COLUMN = 4;

    explicit FindChannelDialog(const vormante::ChannelDatabase& db, QWidget* parent = nullptr);

    // Searches as if `text` had been typed into the box.
    void SetSearchText(const QString& text);
    QString searchText() const;
    const std::vector<vormante::ChannelMatch>& results() const { return results_; }
    int ResultCount() const { return static_cast<int>(results_.size()); }

    // Selects a result row (as a click does); out of range clears the choice.
    void SelectResult(int row);
    int selectedResult() const; // -1 when none
    // Chooses a result row and accepts, as a double click does; false for no result.
    bool AcceptResult(int row);
    // The result chosen when the dialog was accepted.
    std::optional<vormante::ChannelMatch> chosen() const { return chosen_; }

    QLineEdit* searchEdit() const { return edit_; }
    ColumnListCtrl* resultList() const { return list_; }
    QString summaryText() const;

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Search(const QString& text);
    void UpdateButtons();

    const vormante::ChannelDatabase& db_;
    QLineEdit* edit_;
    ColumnListCtrl* list_;
    QLabel* summary_;
    QDialogButtonBox* buttons_;
    std::vector<vormante::ChannelMatch> results_;
    std::optional<vormante::ChannelMatch> chosen_;
};

} // namespace vormante
