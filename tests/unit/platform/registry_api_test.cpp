// The registry calls the settings use, written against the Win32 functions
// alone: the same checks run on Linux against the file store and under Wine
// against the real registry.
#include "registry_helpers.h"
#include "sample_key.h"
#include "store_fixture.h"

#include <vector>

namespace {

const char scratch[] = "Software\\TorvaneTest\\Api";

LSTATUS open_key(const char *path, REGSAM access, HKEY *key) {
  return RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, access, key);
}

using RegistryApi = StoreTest;

TEST_F(RegistryApi, OpeningAMissingKeyFailsWithFileNotFound) {
  HKEY key;
  EXPECT_EQ(open_key(scratch, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(open_key(scratch, KEY_ALL_ACCESS, &key), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryApi, CreateMakesMissingParentsAndReportsItsDisposition) {
  DWORD disposition = 0;
  HKEY key = create_key("Software\\TorvaneTest\\Api\\Deep\\Deeper", &disposition);
  EXPECT_EQ(disposition, DWORD(REG_CREATED_NEW_KEY));
  EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);

  for (const char *parent : {"Software\\TorvaneTest", scratch, "Software\\TorvaneTest\\Api\\Deep"}) {
    HKEY opened;
    ASSERT_EQ(open_key(parent, KEY_READ, &opened), ERROR_SUCCESS) << parent;
    EXPECT_EQ(RegCloseKey(opened), ERROR_SUCCESS);
  }
  key = create_key("Software\\TorvaneTest\\Api\\Deep\\Deeper", &disposition);
  EXPECT_EQ(disposition, DWORD(REG_OPENED_EXISTING_KEY));
  RegCloseKey(key);
  key = create_key("Software\\TorvaneTest\\Api\\Deep", &disposition);
  EXPECT_EQ(disposition, DWORD(REG_OPENED_EXISTING_KEY));
  RegCloseKey(key);
}

TEST_F(RegistryApi, DwordValuesKeepTheirTypeAndTwosComplementPattern) {
  HKEY key = create_key(scratch);
  DWORD answer = 42, minus_one = 0xFFFFFFFFu;
  ASSERT_EQ(RegSetValueExA(key, "answer", 0, REG_DWORD, (const BYTE *)&answer, 4), ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExA(key, "minus_one", 0, REG_DWORD, (const BYTE *)&minus_one, 4),
            ERROR_SUCCESS);
  DWORD type = 0;
  EXPECT_EQ(query_bytes(key, "answer", &type), (std::vector<BYTE>{42, 0, 0, 0}));
  EXPECT_EQ(type, DWORD(REG_DWORD));
  EXPECT_EQ(query_bytes(key, "minus_one", &type), (std::vector<BYTE>{0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(type, DWORD(REG_DWORD));
  RegCloseKey(key);
}

TEST_F(RegistryApi, EveryTypeAndSizeComesBackByteForByte) {
  HKEY key = create_key(sample_key_path);
  for (const sample_value &v : sample_values()) set_bytes(key, v.name, v.type, v.data);
  RegCloseKey(key);

  ASSERT_EQ(open_key(sample_key_path, KEY_READ, &key), ERROR_SUCCESS);
  for (const sample_value &v : sample_values()) {
    DWORD type = 0;
    EXPECT_EQ(query_bytes(key, v.name, &type), v.data) << v.name;
    EXPECT_EQ(type, v.type) << v.name;
  }
  RegCloseKey(key);
}

TEST_F(RegistryApi, UnterminatedTextGetsAZeroAfterItWhenTheBufferHasRoom) {
  HKEY key = create_key(scratch);
  // The byte after the given size is not zero, so the text is stored as given.
  const BYTE text[] = {'a', 'b', 'X'};
  for (DWORD type : {REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ}) {
    ASSERT_EQ(RegSetValueExA(key, "text", 0, type, text, 2), ERROR_SUCCESS);
    BYTE roomy[4] = {0xAA, 0xBB, 0xCC, 0xDD};
    DWORD size = sizeof roomy;
    EXPECT_EQ(RegQueryValueExA(key, "text", NULL, NULL, roomy, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 2u) << type;
    EXPECT_EQ(std::vector<BYTE>(roomy, roomy + 4), (std::vector<BYTE>{'a', 'b', 0, 0xDD})) << type;

    BYTE exact[3] = {0xAA, 0xBB, 0xCC};
    size = 2;
    EXPECT_EQ(RegQueryValueExA(key, "text", NULL, NULL, exact, &size), ERROR_SUCCESS);
    EXPECT_EQ(std::vector<BYTE>(exact, exact + 3), (std::vector<BYTE>{'a', 'b', 0xCC})) << type;
  }
  set_bytes(key, "binary", REG_BINARY, {'a', 'b'});
  BYTE roomy[4] = {0xAA, 0xBB, 0xCC, 0xDD};
  DWORD size = sizeof roomy;
  EXPECT_EQ(RegQueryValueExA(key, "binary", NULL, NULL, roomy, &size), ERROR_SUCCESS);
  EXPECT_EQ(roomy[2], 0xCC) << "only text gets the zero";
  RegCloseKey(key);
}

TEST_F(RegistryApi, NamesThatNeedEscapingAndTheDefaultValue) {
  HKEY key = create_key(scratch);
  set_bytes(key, "back\\slash \"quoted\"", REG_BINARY, {1});
  set_bytes(key, NULL, REG_BINARY, {2});
  set_bytes(key, "@", REG_BINARY, {3});
  DWORD type;
  EXPECT_EQ(query_bytes(key, "back\\slash \"quoted\"", &type), std::vector<BYTE>{1});
  EXPECT_EQ(query_bytes(key, "", &type), std::vector<BYTE>{2});
  EXPECT_EQ(query_bytes(key, NULL, &type), std::vector<BYTE>{2});
  EXPECT_EQ(query_bytes(key, "@", &type), std::vector<BYTE>{3});
  RegCloseKey(key);
}

TEST_F(RegistryApi, MissingValueFailsAndLeavesTheBufferAlone) {
  HKEY key = create_key(scratch);
  BYTE buf[4] = {1, 2, 3, 4};
  DWORD size = sizeof buf;
  EXPECT_EQ(RegQueryValueExA(key, "absent", NULL, NULL, buf, &size), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(buf[0] + buf[1] + buf[2] + buf[3], 10);
  RegCloseKey(key);
}

TEST_F(RegistryApi, TooSmallABufferGivesMoreDataWithTheNeededSize) {
  HKEY key = create_key(scratch);
  set_bytes(key, "eight", REG_BINARY, {1, 2, 3, 4, 5, 6, 7, 8});
  BYTE buf[4] = {0xAA, 0xBB, 0xCC, 0xDD};
  DWORD size = sizeof buf, type = 0;
  EXPECT_EQ(RegQueryValueExA(key, "eight", NULL, &type, buf, &size), ERROR_MORE_DATA);
  EXPECT_EQ(size, 8u);
  EXPECT_EQ(type, DWORD(REG_BINARY));
  EXPECT_EQ(buf[0], 0xAA);
  EXPECT_EQ(buf[3], 0xDD);
  RegCloseKey(key);
}

TEST_F(RegistryApi, ANullBufferAsksForTheSizeAndType) {
  HKEY key = create_key(scratch);
  set_bytes(key, "three", REG_BINARY, {1, 2, 3});
  DWORD size = 0, type = 0;
  EXPECT_EQ(RegQueryValueExA(key, "three", NULL, &type, NULL, &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 3u);
  EXPECT_EQ(type, DWORD(REG_BINARY));
  EXPECT_EQ(RegQueryValueExA(key, "three", NULL, NULL, NULL, NULL), ERROR_SUCCESS);
  RegCloseKey(key);
}

TEST_F(RegistryApi, ALargerBufferReceivesOnlyTheValuesBytes) {
  HKEY key = create_key(scratch);
  set_bytes(key, "two", REG_BINARY, {0x11, 0x22});
  BYTE buf[4] = {0xAA, 0xBB, 0xCC, 0xDD};
  DWORD size = sizeof buf;
  EXPECT_EQ(RegQueryValueExA(key, "two", NULL, NULL, buf, &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 2u);
  EXPECT_EQ(buf[0], 0x11);
  EXPECT_EQ(buf[1], 0x22);
  EXPECT_EQ(buf[2], 0xCC);
  EXPECT_EQ(buf[3], 0xDD);
  RegCloseKey(key);
}

TEST_F(RegistryApi, RewritingAValueReplacesItsTypeAndSize) {
  HKEY key = create_key(scratch);
  set_bytes(key, "v", REG_BINARY, {1, 2, 3, 4, 5, 6});
  set_bytes(key, "v", REG_DWORD, {7, 0, 0, 0});
  DWORD type = 0;
  EXPECT_EQ(query_bytes(key, "v", &type), (std::vector<BYTE>{7, 0, 0, 0}));
  EXPECT_EQ(type, DWORD(REG_DWORD));
  RegCloseKey(key);
}

TEST_F(RegistryApi, KeyAndValueNamesIgnoreCase) {
  HKEY key = create_key("Software\\TorvaneTest\\Api\\MixedCase");
  set_bytes(key, "MixedName", REG_BINARY, {1});
  RegCloseKey(key);

  DWORD disposition = 0;
  key = create_key("SOFTWARE\\torvanetest\\API\\mixedcase", &disposition);
  EXPECT_EQ(disposition, DWORD(REG_OPENED_EXISTING_KEY));
  set_bytes(key, "MIXEDNAME", REG_BINARY, {2});
  RegCloseKey(key);

  ASSERT_EQ(open_key("software\\TORVANETEST\\api\\MIXEDCASE", KEY_READ, &key), ERROR_SUCCESS);
  DWORD type;
  EXPECT_EQ(query_bytes(key, "mixedname", &type), std::vector<BYTE>{2});
  RegCloseKey(key);
}

TEST_F(RegistryApi, ValuesWrittenThroughOneHandleAreSeenThroughAnother) {
  HKEY writer = create_key(scratch);
  HKEY reader;
  ASSERT_EQ(open_key(scratch, KEY_READ, &reader), ERROR_SUCCESS);
  set_bytes(writer, "shared", REG_BINARY, {5});
  DWORD type;
  EXPECT_EQ(query_bytes(reader, "shared", &type), std::vector<BYTE>{5});
  EXPECT_EQ(RegCloseKey(writer), ERROR_SUCCESS);
  EXPECT_EQ(RegCloseKey(reader), ERROR_SUCCESS);
}

TEST_F(RegistryApi, AKeyAndItsValuesAreSeenBeforeTheCreatingHandleIsClosed) {
  DWORD disposition = 0;
  HKEY creator = create_key("Software\\TorvaneTest\\Api\\Fresh", &disposition);
  EXPECT_EQ(disposition, DWORD(REG_CREATED_NEW_KEY));
  set_bytes(creator, "early", REG_BINARY, {6});
  HKEY later;
  ASSERT_EQ(open_key("Software\\TorvaneTest\\Api\\Fresh", KEY_READ, &later), ERROR_SUCCESS);
  DWORD type;
  EXPECT_EQ(query_bytes(later, "early", &type), std::vector<BYTE>{6});
  set_bytes(creator, "early", REG_BINARY, {7});
  EXPECT_EQ(query_bytes(later, "early", &type), std::vector<BYTE>{7});
  EXPECT_EQ(RegCloseKey(later), ERROR_SUCCESS);
  EXPECT_EQ(query_bytes(creator, "early", &type), std::vector<BYTE>{7});
  EXPECT_EQ(RegCloseKey(creator), ERROR_SUCCESS);
  HKEY again = create_key("Software\\TorvaneTest\\Api\\Fresh", &disposition);
  EXPECT_EQ(disposition, DWORD(REG_OPENED_EXISTING_KEY));
  EXPECT_EQ(query_bytes(again, "early", &type), std::vector<BYTE>{7});
  RegCloseKey(again);
}

TEST_F(RegistryApi, AReadOnlyHandleCannotWrite) {
  RegCloseKey(create_key(scratch));
  HKEY key;
  ASSERT_EQ(open_key(scratch, KEY_READ, &key), ERROR_SUCCESS);
  BYTE one = 1;
  EXPECT_EQ(RegSetValueExA(key, "v", 0, REG_BINARY, &one, 1), ERROR_ACCESS_DENIED);
  RegCloseKey(key);
}

TEST_F(RegistryApi, SubkeysOpenRelativeToAnOpenKey) {
  HKEY parent = create_key("Software\\TorvaneTest");
  HKEY child = nullptr;
  DWORD disposition = 0;
  char no_class[] = "";
  ASSERT_EQ(RegCreateKeyExA(parent, "Api\\Child", 0, no_class, REG_OPTION_NON_VOLATILE,
                            KEY_ALL_ACCESS, NULL, &child, &disposition),
            ERROR_SUCCESS);
  EXPECT_EQ(disposition, DWORD(REG_CREATED_NEW_KEY));
  set_bytes(child, "v", REG_BINARY, {4});
  RegCloseKey(child);
  HKEY again;
  ASSERT_EQ(open_key("Software\\TorvaneTest\\Api\\Child", KEY_READ, &again), ERROR_SUCCESS);
  DWORD type;
  EXPECT_EQ(query_bytes(again, "v", &type), std::vector<BYTE>{4});
  RegCloseKey(again);
  RegCloseKey(parent);
}

}  // namespace
