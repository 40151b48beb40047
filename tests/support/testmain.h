#pragma once

// Lets one test executable hold several test classes: each .cpp registers its
// class with MIROSUTA_TEST_CLASS and the shared main runs them all.

#include <QObject>
#include <functional>
#include <vector>

namespace testmain {
std::vector<std::function<QObject*()>>& registry();
struct Registrar {
    explicit Registrar(std::function<QObject*()> make) { registry().push_back(std::move(make)); }
};
} // namespace testmain

#define MIROSUTA_TEST_CLASS(Class)                                                                 \
    static const testmain::Registrar registrar_##Class([] { return new Class; });
