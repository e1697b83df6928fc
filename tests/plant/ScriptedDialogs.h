#pragma once
// The plant's dialog seam answered from a script: each question takes the next answer and is
// recorded; a question without an answer left fails the test.
#include "plant/PlantDialogs.h"

#include <QList>
#include <QtTest>

class ScriptedDialogs : public PlantDialogs {
public:
    ScriptedDialogs() { PlantDialogs::install(this); }
    ~ScriptedDialogs() override { PlantDialogs::install(nullptr); }

    void answer(PlantMessage::Button button) { m_answers << button; }
    // The next question's check box comes back ticked.
    void tickNextCheckBox() { m_tick = true; }
    // The next file or folder dialog returns path (empty: cancelled).
    void answerFile(const QString& path) { m_files << path; }
    const QList<PlantFileRequest>& fileRequests() const { return m_fileRequests; }
    int pendingFiles() const { return m_files.size(); }
    // Forgets what was asked and any answer a previous step left unused.
    void clear()
    {
        m_asked.clear();
        m_fileRequests.clear();
        m_answers.clear();
        m_files.clear();
    }
    const QList<PlantMessage>& asked() const { return m_asked; }
    int pending() const { return m_answers.size(); }

    PlantMessage::Button ask(const PlantMessage& message, bool* checkBoxChecked) override
    {
        m_asked << message;
        if (checkBoxChecked)
            *checkBoxChecked = m_tick;
        m_tick = false;
        if (m_answers.isEmpty()) {
            QTest::qFail(qPrintable("unexpected question: " + message.text), __FILE__, __LINE__);
            return message.defaultButton;
        }
        return m_answers.takeFirst();
    }

    QString askFile(const PlantFileRequest& request) override
    {
        m_fileRequests << request;
        if (m_files.isEmpty()) {
            QTest::qFail(qPrintable("unexpected file dialog: " + request.title), __FILE__, __LINE__);
            return QString();
        }
        return m_files.takeFirst();
    }

    // The viewer records what it is asked to show and answers viewerOpens (false unless set).
    void setViewerOpens(bool opens) { m_viewerOpens = opens; }
    const QList<QUrl>& shownUrls() const { return m_urls; }
    bool openUrl(const QUrl& url) override
    {
        m_urls << url;
        return m_viewerOpens;
    }

private:
    QList<QUrl> m_urls;
    bool m_viewerOpens = false;
    QList<QString> m_files;
    QList<PlantFileRequest> m_fileRequests;
    QList<PlantMessage::Button> m_answers;
    QList<PlantMessage> m_asked;
    bool m_tick = false;
};
