// The filing sink keeps the contract of every model sink.

#include "schemaimport/FilingSink.h"

#include "tests/support/ModelSinkContract.h"

namespace sink_contract {

INSTANTIATE_TEST_SUITE_P(Filing, ModelSinkContract, ::testing::Values(SinkFactory([] {
                             return std::make_shared<schemaimport::FilingSink>();
                         })));

}  // namespace sink_contract
