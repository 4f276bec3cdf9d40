# varnick-cli under Windows with non-ASCII file names, installed in a folder
# with a non-ASCII name beside its own copy of kelvora.dll: compress a file and
# decompress it again, then check the result is byte for byte the original and
# that a damaged input is refused without writing its output file.
#
#   cmake -DRUN=<emulator|arguments...> -DCLI=<varnick-cli.exe> -DKELVORA=<kelvora.dll>
#         -DWORK=<scratch folder> -P CliRoundTrip.cmake
string(REPLACE "|" ";" RUN "${RUN}")
file(REMOVE_RECURSE "${WORK}")
set(folder "${WORK}/Übersicht Ωμέγα 日本")
file(MAKE_DIRECTORY "${folder}")
set(original "${folder}/Sessel – Möbel.txt")
set(packed "${folder}/Sessel – gepackt.bin")
set(unpacked "${folder}/Sessel – entpackt.txt")
string(REPEAT "Catalog description, repeated for the codec to find matches. " 40 text)
file(WRITE "${original}" "${text}")

# The program finds Kelvora beside itself, wherever it is installed.
set(program "${WORK}/Programme Zoë Ωμέγα")
file(COPY "${CLI}" "${KELVORA}" DESTINATION "${program}")
get_filename_component(cli_name "${CLI}" NAME)
set(CLI "${program}/${cli_name}")

function(run_cli expected_status)
  execute_process(COMMAND ${RUN} "${CLI}" ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL expected_status)
    message(FATAL_ERROR "varnick-cli ${ARGN}: exit status ${status}, expected ${expected_status}\n${out}${err}")
  endif()
endfunction()

run_cli(0 compress "${original}" "${packed}")
run_cli(0 decompress "${packed}" "${unpacked}")
file(SHA256 "${original}" want)
file(SHA256 "${unpacked}" got)
if(NOT want STREQUAL got)
  message(FATAL_ERROR "the round trip through varnick-cli changed the file")
endif()

# Not a compressed resource: refused, and no output file appears.
set(refused "${folder}/nicht geschrieben.txt")
run_cli(1 decompress "${original}" "${refused}")
if(EXISTS "${refused}")
  message(FATAL_ERROR "a refused decompress wrote its output file")
endif()
file(REMOVE_RECURSE "${WORK}")
