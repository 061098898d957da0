// A transfer view that records every effect and answers prompts from queues.
#pragma once

#include "transfer/TransferView.h"

#include <QList>
#include <QStringList>

#include <array>
#include <functional>

class RecordingView : public vormante::TransferView {
public:
    using Controls = std::array<bool, 4>; // port list, Start, Stop, Exit

    QStringList statuses;
    QStringList hints;
    QList<int> progress;
    QList<Controls> controls;
    QStringList messages;
    QList<QString> fileNames; // answers to the save prompt; empty string = cancel
    int fileNameAsks = 0;
    QList<bool> discardAnswers;
    QStringList discardQuestions;
    int failingSaves = 0; // this many saves fail before one is let through
    QStringList savedPaths;
    bool ended = false;
    bool accepted = false;
    std::function<void(const QString&)> onMessage;
    std::function<void()> onAsk;

    void SetStatus(const QString& text) override { statuses.append(text); }
    void SetHint(const QString& text) override { hints.append(text); }
    void SetProgress(int position) override { progress.append(position); }
    void EnableControls(bool portList, bool start, bool stop, bool exit) override {
        controls.append({portList, start, stop, exit});
    }
    void ShowMessage(const QString& text) override {
        messages.append(text);
        if (onMessage)
            onMessage(text);
    }
    QString AskSaveFileName() override {
        ++fileNameAsks;
        if (onAsk)
            onAsk();
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }
    bool ConfirmDiscard(const QString& question) override {
        discardQuestions.append(question);
        return discardAnswers.isEmpty() ? true : discardAnswers.takeFirst();
    }
    bool SaveImage(const QString& path, const QByteArray& image, QString* error) override {
        if (failingSaves > 0) {
            --failingSaves;
            *error = QStringLiteral("No space left on device");
            return false;
        }
        const bool ok = TransferView::SaveImage(path, image, error);
        if (ok)
            savedPaths.append(path);
        return ok;
    }
    void EndWindow(bool windowAccepted) override {
        ended = true;
        accepted = windowAccepted;
    }
    Controls lastControls() const { return controls.isEmpty() ? Controls{} : controls.last(); }
};
