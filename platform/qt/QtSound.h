#pragma once
// The sound output through Qt Multimedia: the whole file is handed to the default audio output,
// whose stream stays open for a few seconds after a sound so that sounds in a row keep their pauses.
// Kept apart from the other Qt services so only the program that plays sound links Multimedia.
// Create it after the QApplication and let it go before: the audio sink needs the event loop.
#include "platform/Sound.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QIODevice>
#include <QPointer>
#include <QTimer>

#include <memory>

class QAudioSink;

namespace platform {

class QtSound final : public Sound {
public:
    QtSound();
    ~QtSound() override;
    SoundResult start(const QString& waveFile, const QByteArray& bytes) override;
    bool playing() override;
    qint64 playedMs() override;
    void stop() override;

private:
    bool streamRuns() const;
    void fillSilence();

    std::unique_ptr<QAudioSink> sink_;
    QPointer<QIODevice> output_;   // the sink's: gone with the stream
    qint64 writtenBytes_ = 0;
    QAudioDevice device_;
    QAudioFormat format_;
    qint64 soundStartUs_ = 0;   // where the sound started last begins in the sink's stream
    qint64 soundEndUs_ = 0;
    QTimer closeTimer_;
    QTimer fillTimer_;
};

} // namespace platform
