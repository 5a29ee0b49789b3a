#pragma once

#include <QImage>
#include <QRectF>
#include <QString>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The pictures make-fixtures.sh writes into formats/: one per extension the
// picture chooser offers, each showing its marks in the colours its format
// can hold, so that a test can tell it was read the right way up.
namespace PictureFormats {

// The extensions, in the order the chooser's filter lists them.
const std::vector<std::string>& extensions();

// The fixture formats/marks.<extension>.
QString fixture(const std::string& extension);

// Why the fixture is not there (its tool was missing when the fixtures were
// made), or empty when it is.
QString missingReason(const std::string& extension);

// Whether area of image shows the extension's picture: the marks in their
// corners and the background between them, upright, in their colours.
::testing::AssertionResult showsMarks(const QImage& image, const QRectF& area, const std::string& extension);

// The extension as the name of a parameterised test.
std::string testName(const ::testing::TestParamInfo<std::string>& info);

} // namespace PictureFormats
