// Each camera program's executable exports the SDK's functions, and cJSON's functions are
// there to look up in it too: other code loaded into the program finds them with dlsym.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

std::string readFile(const std::string& path) {
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Every name in the text that the pattern's first group catches.
std::set<std::string> namesIn(const std::string& text, const std::regex& pattern) {
    std::set<std::string> names;
    for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it) {
        names.insert((*it)[1]);
    }
    return names;
}

std::set<std::string> sdkFunctions() {
    return namesIn(readFile(NETSDK_HEADER), std::regex(R"(\b(NETSDK_\w+)\s*\()"));
}

std::set<std::string> cjsonFunctions() {
    return namesIn(readFile(CJSON_HEADER),
                   std::regex(R"(CJSON_PUBLIC\([^)]*\)\s*\**\s*(cJSON_\w+)\s*\()"));
}

// Where the program finds each name: "program", a library's file, or "-".
std::map<std::string, std::string> lookUp(const std::string& program,
                                          const std::set<std::string>& names) {
    const std::filesystem::path list =
        std::filesystem::temp_directory_path() / ("export-names-" + std::to_string(::getpid()));
    {
        std::ofstream out(list);
        for (const std::string& name : names) {
            out << name << '\n';
        }
    }
    // The probe is no sanitizer runtime: a sanitizer build must let it load first.
    const std::string command = "ASAN_OPTIONS=verify_asan_link_order=0 EXPORT_PROBE_NAMES='" +
                                list.string() + "' LD_PRELOAD='" + EXPORT_PROBE + "' '" + program +
                                "'";
    std::map<std::string, std::string> found;
    std::unique_ptr<FILE, int (*)(FILE*)> output(::popen(command.c_str(), "r"), ::pclose);
    char line[512];
    while (output && std::fgets(line, sizeof line, output.get()) != nullptr) {
        std::istringstream fields(line);
        std::string name, where;
        std::getline(fields, name, '\t');
        std::getline(fields, where, '\n');
        found[name] = where;
    }
    output.reset();
    std::filesystem::remove(list);
    return found;
}

std::vector<std::string> programs() {
    std::vector<std::string> paths;
    std::istringstream list(CAMERA_PROGRAMS);
    for (std::string path; std::getline(list, path, ':');) {
        paths.push_back(path);
    }
    return paths;
}

TEST(ProgramExports, TheHeadersNameTheFunctions) {
    EXPECT_GT(sdkFunctions().count("NETSDK_Login"), 0u);
    EXPECT_GT(cjsonFunctions().count("cJSON_Parse"), 0u);
}

TEST(ProgramExports, EveryCameraProgramExportsTheSdkAndCjsonFunctions) {
    std::set<std::string> names = sdkFunctions();
    const std::set<std::string> cjson = cjsonFunctions();
    names.insert(cjson.begin(), cjson.end());
    for (const std::string& program : programs()) {
        SCOPED_TRACE(program);
        const std::map<std::string, std::string> found = lookUp(program, names);
        ASSERT_EQ(found.size(), names.size()) << "the probe did not run in the program";
        for (const std::string& name : sdkFunctions()) {
            EXPECT_EQ(found.at(name), "program") << name;
        }
        for (const std::string& name : cjson) {
            EXPECT_NE(found.at(name), "-") << name;
        }
    }
}

}  // namespace
