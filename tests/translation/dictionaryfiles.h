#pragma once

#include "tempfolder.h"
#include "testdictionary.h"
#include "translation/dictionary.h"
#include "translation/translate.h"

#include <gtest/gtest.h>

inline Dictionary loadOrFail(const QString& path)
{
    DictionaryOrFault loaded = Dictionary::load(path);
    if (const auto* fault = std::get_if<DictionaryFault>(&loaded))
        ADD_FAILURE() << fault->message.toStdString();
    return std::get<Dictionary>(std::move(loaded)); // throws on a fault
}
