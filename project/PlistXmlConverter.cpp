#include "PlistXmlConverter.h"

#include "KeyedArchiveWriter.h"
#include "PlistReader.h"
#include "SaveFileCommit.h"

#include <QIODevice>

#include <cstring>
#include <stdexcept>

namespace {

void copyError(const std::string& text, char* buffer, int32_t bufferSize)
{
    if (text.empty() || !buffer || bufferSize <= 0)
        return;
    const size_t length = std::min(text.size(), size_t(bufferSize) - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

// Written under a temporary name and renamed when complete: a partial file
// would be read as the project, and never converted again.
void saveText(const std::string& path, const std::string& text)
{
    // The converted file is the project's own: a link in its place is
    // replaced rather than leading the file elsewhere.
    const qint64 size = qint64(text.size());
    const int result = SaveFileCommit::writeThrough(QString::fromStdString(path), [&text, size](QIODevice& file) {
        return file.write(text.data(), size) == size;
    });
    if (result == -1)
        throw std::runtime_error("Cannot create output file");
    if (result != 0)
        throw std::runtime_error("Cannot write output file");
}

} // namespace

int PlistXmlConverter::convertProject(const std::string& plistPath, const std::string& xmlPath, char* errorBuffer,
                                      int32_t bufferSize)
{
    return _convert(true, plistPath, xmlPath, errorBuffer, bufferSize);
}

int PlistXmlConverter::convertProperties(const std::string& plistPath, const std::string& xmlPath,
                                         char* errorBuffer, int32_t bufferSize)
{
    return _convert(false, plistPath, xmlPath, errorBuffer, bufferSize);
}

int PlistXmlConverter::_convert(bool project, const std::string& plistPath, const std::string& xmlPath,
                                char* errorBuffer, int32_t bufferSize)
{
    std::string error;
    try {
        Plist::Dictionary archive;
        Plist::readPlist(plistPath, archive);
        KeyedArchiveWriter writer(archive);
        saveText(xmlPath, project ? writer.projectXml() : writer.propertiesXml());
        return 0;
    } catch (const std::exception& exception) {
        error = *exception.what() ? exception.what() : "Unknown exception";
    } catch (...) {
        error = "Exception occurs";
    }
    copyError(error, errorBuffer, bufferSize);
    return 1;
}

int convertProjectPlistToXml(const std::string& plistPath, const std::string& xmlPath, char* errorBuffer,
                             int32_t bufferSize)
{
    PlistXmlConverter converter;
    return converter.convertProject(plistPath, xmlPath, errorBuffer, bufferSize);
}

int convertPropertiesPlistToXml(const std::string& plistPath, const std::string& xmlPath, char* errorBuffer,
                                int32_t bufferSize)
{
    PlistXmlConverter converter;
    return converter.convertProperties(plistPath, xmlPath, errorBuffer, bufferSize);
}
