// The program binds Gallomir by name: the five functions must be found in the
// shared library under exactly these names, with C linkage.
#include <dlfcn.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

class GallomirLibrary : public ::testing::Test
{
protected:
    void SetUp() override
    {
        handle_ = dlopen(GALLOMIR_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle_, nullptr) << dlerror();
    }
    void TearDown() override
    {
        if (handle_)
            dlclose(handle_);
    }
    void *Find(const char *name) const { return dlsym(handle_, name); }

    void *handle_ = nullptr;
};

TEST_F(GallomirLibrary, ExportsTheFiveFunctionsByName)
{
    for (const char *name :
         {"GetAtomicWeight", "GetElementSymbol", "GetElementName", "GetExcitationPot", "GetElementDensity"}) {
        EXPECT_NE(Find(name), nullptr) << name;
    }
}

TEST_F(GallomirLibrary, FunctionsFoundByNameAnswer)
{
    using NumberFunction = double (*)(std::int32_t);
    using TextFunction = const char *(*)(std::int32_t);
    auto weight = reinterpret_cast<NumberFunction>(Find("GetAtomicWeight"));
    auto symbol = reinterpret_cast<TextFunction>(Find("GetElementSymbol"));
    ASSERT_NE(weight, nullptr);
    ASSERT_NE(symbol, nullptr);
    EXPECT_EQ(weight(1), 1.00794);
    EXPECT_EQ(std::string(symbol(26)), "Fe");
}

TEST_F(GallomirLibrary, KeepsItsTableHidden)
{
    EXPECT_EQ(Find("_ZN8gallomir13kElementTableE"), nullptr);
}

} // namespace
