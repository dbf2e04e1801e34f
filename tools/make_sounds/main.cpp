// Writes the program's feedback sounds, synthesised here: "richtig1.wav", two bright rising
// tones, and "falsch1.wav", a short low falling buzz. 16-bit mono PCM at 22050 Hz.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>
#include <QtEndian>

#include <cmath>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

struct Tone {
    double startHz;
    double endHz;
    double seconds;
    // 0 a pure sine; above 0 adds odd harmonics for a rougher sound.
    double roughness;
};

std::vector<qint16> Synthesise(const std::vector<Tone>& tones, double volume) {
    std::vector<qint16> samples;
    for (const Tone& tone : tones) {
        const int n = static_cast<int>(tone.seconds * kRate);
        double phase = 0.0;
        for (int i = 0; i < n; ++i) {
            const double t = static_cast<double>(i) / n;
            const double hz = tone.startHz + (tone.endHz - tone.startHz) * t;
            phase += 2 * kPi * hz / kRate;
            double v = std::sin(phase);
            if (tone.roughness > 0)
                v += tone.roughness * (std::sin(3 * phase) / 3 + std::sin(5 * phase) / 5);
            // Short fades keep the edges free of clicks.
            const double fade = std::min({1.0, t * 40, (1 - t) * 12});
            samples.push_back(
                static_cast<qint16>(std::clamp(v * fade * volume, -1.0, 1.0) * 32767));
        }
    }
    return samples;
}

QByteArray Wave(const std::vector<qint16>& samples) {
    QByteArray out;
    const auto put32 = [&out](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };
    const auto put16 = [&out](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    };
    const quint32 data = static_cast<quint32>(samples.size() * 2);
    out.append("RIFF");
    put32(36 + data);
    out.append("WAVEfmt ");
    put32(16);
    put16(1);
    put16(1);
    put32(kRate);
    put32(kRate * 2);
    put16(2);
    put16(16);
    out.append("data");
    put32(data);
    for (qint16 s : samples)
        put16(static_cast<quint16>(s));
    return out;
}

bool Write(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
           file.commit();
}

} // namespace

int main(int argc, char** argv) {
    QTextStream err(stderr);
    if (argc != 2) {
        err << "Aufruf: make-sounds ORDNER\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        err << "Ordner " << folder << " kann nicht angelegt werden.\n";
        return 1;
    }
    const QDir dir(folder);
    const bool ok = Write(dir.filePath(QStringLiteral("richtig1.wav")),
                          Wave(Synthesise({{784, 784, 0.11, 0}, {1175, 1175, 0.22, 0}}, 0.45))) &&
                    Write(dir.filePath(QStringLiteral("falsch1.wav")),
                          Wave(Synthesise({{220, 150, 0.45, 0.6}}, 0.4)));
    if (!ok) {
        err << QStringLiteral("Die Klangdateien in ") << folder
            << QStringLiteral(" können nicht geschrieben werden.\n");
        return 1;
    }
    return 0;
}
