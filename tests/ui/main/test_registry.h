#pragma once

#include <QObject>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

namespace tallimo::testing {

using TestMaker = std::function<std::unique_ptr<QObject>()>;

inline std::vector<TestMaker>& registeredTests()
{
    static std::vector<TestMaker> tests;
    return tests;
}

template <typename T>
struct RegisterTest {
    RegisterTest() { registeredTests().push_back([] { return std::make_unique<T>(); }); }
};

}  // namespace tallimo::testing

#define TALLIMO_WINDOW_TEST(Class) static const tallimo::testing::RegisterTest<Class> registered##Class;
