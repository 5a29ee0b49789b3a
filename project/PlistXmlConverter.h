#pragma once

#include <cstdint>
#include <string>

// Converts the keyed-archive property lists of the earlier project format,
// "project.plist" and "properties.plist", into "project.xml" and
// "properties.xml". Paths are UTF-8. The result is 0 on success; on failure
// 1, with the reason copied into the error buffer (at most bufferSize - 1
// bytes and a terminating zero). The XML file is replaced only by a complete
// conversion.
class PlistXmlConverter
{
public:
    int convertProject(const std::string& plistPath, const std::string& xmlPath, char* errorBuffer,
                       int32_t bufferSize);
    int convertProperties(const std::string& plistPath, const std::string& xmlPath, char* errorBuffer,
                          int32_t bufferSize);

private:
    int _convert(bool project, const std::string& plistPath, const std::string& xmlPath, char* errorBuffer,
                 int32_t bufferSize);
};

// The two conversions with a converter of their own, as the project loader
// runs them (ProjectLoader::PlistConverter).
int convertProjectPlistToXml(const std::string& plistPath, const std::string& xmlPath, char* errorBuffer,
                             int32_t bufferSize);
int convertPropertiesPlistToXml(const std::string& plistPath, const std::string& xmlPath, char* errorBuffer,
                                int32_t bufferSize);
