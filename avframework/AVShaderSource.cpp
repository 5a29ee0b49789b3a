#include "AVShaderSource.h"

#include "AVResourceText.h"
#include "AVTrace.h"

#include <QFile>

int32_t avLoadShaderSource(AVGLRenderer*, const char* name, char* buffer, int32_t capacity)
{
    QFile file(QStringLiteral(":/shaders/shaders/%1").arg(QString::fromUtf8(name)));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        avTrace("Cannot open shader %s", name);
        return 0;
    }
    const QByteArray stored = file.readAll();
    if (stored.isEmpty()) {
        avTrace("Read shader failed %s", name);
        return 0;
    }
    // The decoded text is shorter than the stored one, so a stored text that
    // fits leaves room for the decoding and its terminator.
    if (!buffer || stored.size() >= capacity) {
        avTrace("Shader is too long %s", name);
        return 0;
    }
    const int32_t length = base64XorDecode(stored.constData(), stored.size(), nullptr, nullptr);
    if (length <= 0 || length >= capacity)
        return 0;
    const int32_t written = base64XorDecode(stored.constData(), stored.size(), reinterpret_cast<uint8_t*>(buffer),
                                            nullptr);
    buffer[written] = '\0';
    return written;
}
