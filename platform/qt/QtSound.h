#pragma once
// The sound output through Qt Multimedia: the whole file is handed to the default audio output.
// Kept apart from the other Qt services so only the program that plays sound links Multimedia.
// Create it after the QApplication and let it go before: the audio sink needs the event loop.
#include "platform/Sound.h"

#include <QBuffer>

#include <memory>

class QAudioSink;

namespace platform {

class QtSound final : public Sound {
public:
    QtSound();
    ~QtSound() override;
    bool start(const QString& waveFile) override;
    bool playing() override;
    qint64 playedMs() override;
    void stop() override;

private:
    std::unique_ptr<QAudioSink> sink_;
    QByteArray samples_;
    QBuffer buffer_;
};

} // namespace platform
