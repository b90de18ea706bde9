// The shipped 32-bit Kalmora.exe read as a file: a program Windows XP SP3 loads, importing
// only functions that XP's DLLs export (xp-exports/<dll>.txt), delay-loaded ones included.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/TempDir.h"

namespace {

std::string WindowsPath(std::string unixPath) {
    std::replace(unixPath.begin(), unixPath.end(), '/', '\\');
    return "Z:" + unixPath;
}

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The parts of a 32-bit PE image the loader of XP looks at; every read is bounds-checked, so a
// damaged file fails the checks instead of the test program.
class PeImage {
public:
    explicit PeImage(std::string bytes) : bytes(std::move(bytes)) {
        auto* dos = At<IMAGE_DOS_HEADER>(0);
        if (!dos || dos->e_magic != IMAGE_DOS_SIGNATURE)
            return;
        nt = At<IMAGE_NT_HEADERS32>(dos->e_lfanew);
        if (!nt || nt->Signature != IMAGE_NT_SIGNATURE ||
            nt->OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR32_MAGIC) {
            nt = nullptr;
            return;
        }
        size_t first = dos->e_lfanew + offsetof(IMAGE_NT_HEADERS32, OptionalHeader) +
                       nt->FileHeader.SizeOfOptionalHeader;
        for (int i = 0; i < nt->FileHeader.NumberOfSections; ++i)
            if (auto* section = At<IMAGE_SECTION_HEADER>(first + i * sizeof(IMAGE_SECTION_HEADER)))
                sections.push_back(*section);
    }

    const IMAGE_NT_HEADERS32* Headers() const { return nt; }

    // DLL name -> the functions imported from it, by name, or "#n" for ordinal n.
    std::map<std::string, std::set<std::string>> Imports() const {
        std::map<std::string, std::set<std::string>> imports;
        if (!nt)
            return imports;
        const auto& directory = nt->OptionalHeader.DataDirectory;
        DWORD rva = directory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
        for (auto* d = AtRva<IMAGE_IMPORT_DESCRIPTOR>(rva); d && d->Name;
             d = AtRva<IMAGE_IMPORT_DESCRIPTOR>(rva += sizeof *d))
            AddThunks(imports, d->Name,
                      d->OriginalFirstThunk ? d->OriginalFirstThunk : d->FirstThunk);
        // GNU ld leaves the delay-load directory empty; the loader never reads it (the delay-load
        // helper finds its descriptor through the thunk), so the descriptors are found by their
        // shape: a DLL name, and a table of names whose first entry is a function name.
        for (const auto& section : sections)
            for (DWORD at = section.VirtualAddress;
                 at - section.VirtualAddress + sizeof(IMAGE_DELAYLOAD_DESCRIPTOR) <=
                 section.SizeOfRawData;
                 at += sizeof(DWORD)) {
                auto* d = AtRva<IMAGE_DELAYLOAD_DESCRIPTOR>(at);
                if (!d)
                    break;
                // Older linkers wrote addresses instead of RVAs.
                DWORD base = d->Attributes.RvaBased ? 0 : nt->OptionalHeader.ImageBase;
                if (d->Attributes.ReservedAttributes == 0 && IsDllName(d->DllNameRVA - base) &&
                    AtRva<DWORD>(d->ModuleHandleRVA - base) &&
                    AtRva<DWORD>(d->ImportAddressTableRVA - base) &&
                    FirstIsName(d->ImportNameTableRVA - base, base))
                    AddThunks(imports, d->DllNameRVA - base, d->ImportNameTableRVA - base, base);
            }
        return imports;
    }

private:
    template <class T>
    const T* At(size_t offset) const {
        if (offset > bytes.size() || bytes.size() - offset < sizeof(T))
            return nullptr;
        return reinterpret_cast<const T*>(bytes.data() + offset);
    }

    template <class T>
    const T* AtRva(DWORD rva) const {
        for (const auto& s : sections)
            if (rva >= s.VirtualAddress && rva - s.VirtualAddress < s.SizeOfRawData)
                return At<T>(s.PointerToRawData + (rva - s.VirtualAddress));
        return nullptr;
    }

    std::string StringAt(DWORD rva) const {
        const char* text = AtRva<char>(rva);
        if (!text)
            return "";
        size_t room = bytes.data() + bytes.size() - text;
        return std::string(text, strnlen(text, room));
    }

    bool IsDllName(DWORD rva) const {
        std::string name = Lower(StringAt(rva));
        return name.size() > 4 && name.compare(name.size() - 4, 4, ".dll") == 0 &&
               std::all_of(name.begin(), name.end(), [](char c) {
                   return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '_' ||
                          c == '-';
               });
    }

    bool FirstIsName(DWORD thunkRva, DWORD base) const {
        auto* t = AtRva<IMAGE_THUNK_DATA32>(thunkRva);
        if (!t || !t->u1.AddressOfData || (t->u1.AddressOfData & IMAGE_ORDINAL_FLAG32))
            return false;
        std::string name =
            StringAt(t->u1.AddressOfData - base + offsetof(IMAGE_IMPORT_BY_NAME, Name));
        return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '@';
        });
    }

    void AddThunks(std::map<std::string, std::set<std::string>>& imports, DWORD nameRva,
                   DWORD thunkRva, DWORD base = 0) const {
        auto& functions = imports[StringAt(nameRva)];
        for (auto* t = AtRva<IMAGE_THUNK_DATA32>(thunkRva); t && t->u1.AddressOfData;
             t = AtRva<IMAGE_THUNK_DATA32>(thunkRva += sizeof *t)) {
            DWORD data = t->u1.AddressOfData;
            if (data & IMAGE_ORDINAL_FLAG32)
                functions.insert("#" + std::to_string(IMAGE_ORDINAL32(data)));
            else
                functions.insert(StringAt(data - base + offsetof(IMAGE_IMPORT_BY_NAME, Name)));
        }
    }

    std::string bytes;
    const IMAGE_NT_HEADERS32* nt = nullptr;
    std::vector<IMAGE_SECTION_HEADER> sections;
};

class XpImports : public ::testing::Test {
protected:
    // Read once: the list of each DLL is read once for all its functions.
    static void SetUpTestSuite() {
        image = new PeImage(test::ReadFileBytes(WindowsPath(KALMORA_EXE)));
    }
    static void TearDownTestSuite() {
        delete image;
        image = nullptr;
    }

    // The functions XP's DLL exports by name; false when there is no list for it.
    static bool XpExports(const std::string& dll, std::set<std::string>& names) {
        std::string base = Lower(dll);
        if (base.size() > 4 && base.compare(base.size() - 4, 4, ".dll") == 0)
            base.resize(base.size() - 4);
        std::string path = std::string(KALMORA_XP_EXPORTS_DIR) + "\\" + base + ".txt";
        if (!test::Exists(path))
            return false;
        std::istringstream lines(test::ReadFileBytes(path));
        std::string line;
        while (std::getline(lines, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (!line.empty())
                names.insert(line);
        }
        return true;
    }

    static PeImage* image;
};

PeImage* XpImports::image = nullptr;

TEST_F(XpImports, IsA32BitProgramForWindowsXp) {
    const IMAGE_NT_HEADERS32* headers = image->Headers();
    ASSERT_NE(headers, nullptr) << KALMORA_EXE << " is no 32-bit PE image";
    EXPECT_EQ(headers->FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
    EXPECT_EQ(headers->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
    // XP's loader refuses a subsystem version above its own 5.01.
    EXPECT_EQ(headers->OptionalHeader.MajorSubsystemVersion, 5);
    EXPECT_EQ(headers->OptionalHeader.MinorSubsystemVersion, 1);
}

TEST_F(XpImports, ReadsTheDelayLoadedDllsBesideTheOthers) {
    std::set<std::string> dlls;
    for (const auto& [dll, functions] : image->Imports())
        if (!functions.empty())
            dlls.insert(Lower(dll));
    for (const char* dll :
         {"kernel32.dll", "user32.dll", "shell32.dll", "comdlg32.dll", "version.dll"})
        EXPECT_EQ(dlls.count(dll), 1u) << "no functions imported from " << dll;
}

TEST_F(XpImports, EveryImportedFunctionIsExportedByWindowsXp) {
    std::vector<std::string> missing;
    for (const auto& [dll, functions] : image->Imports()) {
        std::set<std::string> exports;
        if (!XpExports(dll, exports)) {
            missing.push_back(dll + ": no list of what Windows XP exports");
            continue;
        }
        for (const auto& function : functions)
            if (!exports.count(function))
                missing.push_back(dll + "!" + function);
    }
    std::string all;
    for (const auto& entry : missing)
        all += "\n  " + entry;
    EXPECT_TRUE(missing.empty()) << "imports that Windows XP SP3 lacks:" << all;
}

} // namespace
