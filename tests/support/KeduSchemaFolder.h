// The project's KEDU schemas (tests/module/kedu/schema) in a temporary folder of their own, beside a link
// to the official generation-5 schemas they import, and whole KEDU documents validated against them by
// the namespace of their root.
#pragma once

#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "platform/xml/XmlTextValidation.h"

namespace tlx::test {

class KeduSchemaFolder {
public:
    // `source` is the checkout; `official` the folder of the generation-5 schemas.
    KeduSchemaFolder(const std::filesystem::path& source, const std::filesystem::path& official) {
        namespace fs = std::filesystem;
        if (!fs::exists(official / "kedu_5_7.xsd")) return;
        folder_ = fs::temp_directory_path() / ("tlx-kedu-schema-" + std::to_string(std::random_device()()));
        fs::create_directories(folder_);
        for (const char* name : {"kedu_3.xsd", "kedu_4_3.xsd", "kedu_dokumenty.xsd"})
            fs::copy_file(source / "tests/module/kedu/schema" / name, folder_ / name);
        fs::create_directory_symlink(official, folder_ / "kedu_5");
    }
    ~KeduSchemaFolder() {
        std::error_code ignored;
        if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
    }
    KeduSchemaFolder(const KeduSchemaFolder&) = delete;
    KeduSchemaFolder& operator=(const KeduSchemaFolder&) = delete;

    // False when the official schemas are not beside the checkout (TLX_REFS_DIR).
    bool Available() const { return !folder_.empty(); }

    // The errors of the whole document; none when it is valid, or when it is of neither generation's
    // namespace. A schema that cannot be read is an error.
    std::vector<std::u16string> Errors(std::u16string_view document) {
        std::vector<std::u16string> errors;
        const auto lookup = [&](const std::string& ns) -> std::optional<std::string> {
            if (ns == "http://www.zus.pl/2016/KEDU_4_3") return (folder_ / "kedu_4_3.xsd").string();
            if (ns == "http://www.zus.pl/2009/KEDU_3") return (folder_ / "kedu_3.xsd").string();
            return std::nullopt;
        };
        if (schemas_.ValidateText(document, lookup, errors) == E_FAIL && errors.empty())
            errors.push_back(u"the document could not be validated");
        return errors;
    }

private:
    std::filesystem::path folder_;
    XmlSchemaSet schemas_;
};

}  // namespace tlx::test
