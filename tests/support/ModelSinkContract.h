#pragma once
// What every ModelSink must do to the model, whatever else it does (the filing sink, the main window):
// filing business objects, properties and relationships, refusing a taken key, updating a property, and
// deleting relationships, twelve of them in a row. A test program instantiates the suite with a factory
// of its sink, whose Application() the suite fills:
//     INSTANTIATE_TEST_SUITE_P(Mine, ModelSinkContract, ::testing::Values(SinkFactory(...)));
// and links ModelSinkContract.cpp.

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "schemaimport/ModelSink.h"

namespace sink_contract {

using SinkFactory = std::function<std::shared_ptr<schemaimport::ModelSink>()>;

class ModelSinkContract : public ::testing::TestWithParam<SinkFactory> {};

}  // namespace sink_contract
